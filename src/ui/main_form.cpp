#include "ui/main_form.h"

#include <initializer_list>
#include <string_view>

#include "app/links.h"

namespace ks::ui {
namespace {

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb ButtonFace{192, 192, 192};
constexpr Rgb Cyan{0, 255, 255};
constexpr Rgb DarkTeal{0, 0x40, 0x40};
constexpr Rgb LinkGreen{0, 0x80, 0};

Font MakeFont(const char* family, double points, bool bold, bool italic = false, bool underline = false) {
  return Font{family, points, bold, italic, underline};
}

void Place(Control& c, double left, double top, double width, double height) {
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
}

void Heading(Control& c, const char* caption) {
  c.caption = caption;
  c.fore = Yellow;
  c.font = MakeFont("Verdana", 12, true);
  c.transparent = true;
}

void Button(Control& c, const char* caption) {
  c.caption = caption;
  c.back = ButtonFace;
  c.fore = Black;
  c.font = MakeFont("Verdana", 8.25, true);
}

void Box(Control& c, Rgb back) {
  c.back = back;
  c.filled = true;
  c.borderWidth = 0;
}

// The about panel's text lines share one look unless a line says otherwise.
void AboutLine(Control& c, double left, double top, std::string caption) {
  Place(c, left, top, 7455, 315);
  c.caption = std::move(caption);
  c.align = Align::Center;
  c.transparent = true;
  c.fore = Black;
  c.font = MakeFont("Verdana", 11.25, true);
}

void Link(Control& c, double left, double top, std::string_view url) {
  AboutLine(c, left, top, std::string(url));
  c.fore = LinkGreen;
  c.cursor = Cursor::Hand;
}

}  // namespace

MainForm::MainForm() {
  caption = "-=[QZW] Kitsmith=-";
  width = 9945;
  height = 7305;
  back = Rgb{128, 128, 128};
  background = Pic::Background;
  icon = Pic::AppIcon;
  cursor = Cursor::SizeAll;

  // Favourite view.
  Place(lstFav, 120, 900, 3315, 4860);
  lstFav.back = Rgb{0, 0, 255};
  lstFav.fore = White;
  lstFav.font = MakeFont("Verdana", 9.75, true);
  lstFav.textIsAnsi = true;

  Place(lblDesc, 3720, 1020, 3315, 315);
  Heading(lblDesc, "DESCRIPTION");

  Place(txtName, 3720, 1440, 4035, 375);
  txtName.back = White;
  txtName.fore = Black;
  txtName.font = MakeFont("Verdana", 9.75, true);
  txtName.textIsAnsi = true;
  txtName.maxTypedLength = 18;

  Place(lblArmor, 3780, 2280, 1755, 315);
  Heading(lblArmor, "ARMOUR");

  Place(picArmor, 3780, 2700, 1830, 1200);
  picArmor.picture = Pic::No;

  Place(lblArmour, 5640, 2940, 2175, 615);
  lblArmour.fore = Rgb{255, 0, 0};
  lblArmour.align = Align::Center;
  lblArmour.font = MakeFont("Arial Black", 9.75, true);
  lblArmour.transparent = true;

  static constexpr std::array<double, WeaponPictureCount> weaponTops{960, 2220, 3480, 4740, 6000};
  for (int i = 0; i < WeaponPictureCount; ++i) {
    Place(picWeapon(i), 8040, weaponTops[static_cast<std::size_t>(i)], 1830, 1200);
    picWeapon(i).picture = Pic::No;
  }

  Place(lblPack, 3720, 4560, 2415, 315);
  Heading(lblPack, "BACKPACK");

  Place(picPack, 3780, 5100, 375, 285);
  picPack.visible = false;

  Place(cmbPack, 4320, 5040, 3495, 360);
  cmbPack.back = Rgb{0, 128, 128};
  cmbPack.fore = White;
  cmbPack.font = MakeFont("Verdana", 9.75, true);
  cmbPack.keepsMissingEntries = true;

  Place(lblGren, 3720, 6060, 2835, 315);
  Heading(lblGren, "GRENADES");

  Place(cmbGren, 3720, 6600, 4035, 360);
  cmbGren.back = Rgb{0, 0, 128};
  cmbGren.fore = White;
  cmbGren.font = MakeFont("Verdana", 9.75, true);
  cmbGren.keepsMissingEntries = true;

  // Commands.
  Place(cmdImpFile, 120, 60, 1635, 315);
  Button(cmdImpFile, "IMPORT FILE");
  Place(cmdExpFile, 1800, 60, 1695, 315);
  Button(cmdExpFile, "EXPORT FILE");
  Place(cmdImport, 120, 540, 1635, 315);
  Button(cmdImport, "IMPORT T2");
  Place(cmdExport, 1800, 540, 1695, 315);
  Button(cmdExport, "EXPORT T2");
  Place(cmdSavePre, 3660, 480, 2355, 375);
  Button(cmdSavePre, "SAVE AS PRESET");
  Place(cmdLoadPre, 6060, 480, 1875, 375);
  Button(cmdLoadPre, "LOAD PRESET");
  Place(cmbLang, 8040, 480, 1215, 315);
  cmbLang.back = Rgb{0, 192, 0};
  cmbLang.fore = Black;
  cmbLang.font = MakeFont("Verdana", 8.25, false);
  Place(cmdLaunchLAN, 660, 5940, 2835, 495);
  Button(cmdLaunchLAN, "LAUNCH TRIBES 2 LAN/SOLO");
  Place(cmdLaunchLINE, 660, 6600, 2835, 555);
  Button(cmdLaunchLINE, "LAUNCH TRIBES 2 ONLINE");

  // A hot spot over the close mark that the background picture paints.
  Place(imgEnd, 9480, 120, 255, 255);
  Place(imgAbout, 9360, 420, 480, 480);
  imgAbout.picture = Pic::AboutOff;
  imgAbout.cursor = Cursor::Hand;
  imgAbout.enabled = false;

  // Palette: the pictures are parked below the visible area until a palette opens.
  Place(shpDrop, 120, 9300, 7575, 3915);
  shpDrop.back = Rgb{0, 192, 0};
  shpDrop.filled = true;
  shpDrop.borderColour = Black;
  shpDrop.borderWidth = 1;
  for (int k = 0; k < DropPictureCount; ++k) {
    Place(picDrop(k), 120, 9300, 1830, 1200);
    picDrop(k).visible = false;
    picDrop(k).cursor = Cursor::Hand;
  }

  // About panel.
  Place(frmAbout, 480, 1200, 9015, 5055);
  Box(frmAbout, DarkTeal);
  frmAbout.visible = false;
  Place(frmAbout1, 120, 120, 8775, 4815);
  Box(frmAbout1, Rgb{0, 0x80, 0x80});
  Place(frmAbout2, 120, 120, 8535, 4635);
  Box(frmAbout2, Rgb{0, 0xC0, 0xC0});
  Place(frmAbout3, 180, 120, 8235, 4395);
  Box(frmAbout3, Cyan);

  AboutLine(Label1, 360, 180, "-=[QZW] Kitsmith v1.0");
  Label1.fore = Rgb{0, 0, 0xC0};
  Label1.font = MakeFont("Verdana", 12, true, true, true);
  Link(lblCompany, 300, 900, CompanyUrl);
  AboutLine(Label4, 300, 1440, "written by");
  AboutLine(Label5, 240, 1740, "the Kitsmith developers");
  Label5.fore = Rgb{0xC0, 0, 0};
  AboutLine(Label6, 360, 2160, "Come and visit our clan [QZW] at");
  Link(lblClan, 300, 2460, ClanUrl);
  AboutLine(Label8, 300, 2820, "...and my private page at");
  Link(lblPrivate, 420, 3180, PrivateUrl);

  Place(imgReadme, 540, 2940, 480, 480);
  imgReadme.picture = Pic::Readme;
  imgReadme.cursor = Cursor::Hand;
  imgReadme.tooltip = "READ THE README.TXT";

  Place(Label3, 60, 3420, 1455, 435);
  Label3.caption = "Click to read README.TXT !";
  Label3.align = Align::Center;
  Label3.transparent = true;
  Label3.font = MakeFont("Verdana", 8.25, true);

  Place(shpAboutDone, 3120, 3780, 2055, 375);
  Box(shpAboutDone, DarkTeal);
  Place(cmdAboutDone, 3060, 3720, 2055, 375);
  Button(cmdAboutDone, "WHO CARES ?");
  cmdAboutDone.font = MakeFont("Verdana", 9.75, true);
  cmdAboutDone.cursor = Cursor::Hand;

  // Notice panel.
  Place(frmError2, 780, 2820, 8775, 1935);
  Box(frmError2, DarkTeal);
  frmError2.visible = false;
  Place(frmError, 660, 2640, 8835, 1995);
  Box(frmError, Cyan);
  frmError.visible = false;

  // Reaches past the frame's right and bottom edges: only its top and left sides show.
  Place(Shape9, 0, 0, 9195, 2415);
  Shape9.filled = false;
  Shape9.borderColour = White;
  Shape9.borderWidth = 3;

  Place(Picture1, 8160, 120, 480, 480);
  Picture1.back = Cyan;
  Picture1.picture = Pic::NoticeRight;
  Place(Picture2, 120, 120, 480, 480);
  Picture2.back = Cyan;
  Picture2.picture = Pic::NoticeLeft;

  Place(lblError2, 60, 120, 8655, 375);
  lblError2.caption = "[ NOTICE ]";
  lblError2.align = Align::Center;
  lblError2.transparent = true;
  lblError2.fore = Rgb{0, 0, 255};
  lblError2.font = MakeFont("Arial Black", 12, true);

  Place(lblError, 60, 660, 8655, 495);
  lblError.caption = "-";
  lblError.align = Align::Center;
  lblError.transparent = true;
  lblError.fore = Black;
  lblError.font = MakeFont("Verdana", 8.25, false);

  Place(Shape5, 3840, 1320, 1215, 495);
  Box(Shape5, Rgb{0x40, 0x40, 0x40});
  Place(cmdErrorOK, 3780, 1260, 1215, 495);
  Button(cmdErrorOK, "OK ?");

  // Back to front: the editor's controls, the palette over them, then the panels.
  for (Control* c : std::initializer_list<Control*>{
           &lblDesc,      &lblArmor,      &lblPack,   &lblGren,    &lstFav,     &txtName,
           &picArmor,     &lblArmour,     &picPack,   &cmbPack,    &cmbGren,    &cmdImpFile,
           &cmdExpFile,   &cmdImport,     &cmdExport, &cmdSavePre, &cmdLoadPre, &cmbLang,
           &cmdLaunchLAN, &cmdLaunchLINE, &imgEnd,    &imgAbout}) {
    add(*c);
  }
  for (int i = 0; i < WeaponPictureCount; ++i) add(picWeapon(i));
  add(timAbout);
  add(shpDrop);
  for (int k = 0; k < DropPictureCount; ++k) add(picDrop(k));

  add(frmAbout);
  add(frmAbout1, &frmAbout);
  add(frmAbout2, &frmAbout1);
  add(frmAbout3, &frmAbout2);
  for (Control* c :
       std::initializer_list<Control*>{&Label1, &lblCompany, &Label4, &Label5, &Label6, &lblClan, &Label8,
                                       &lblPrivate, &Label3, &imgReadme, &shpAboutDone, &cmdAboutDone}) {
    add(*c, &frmAbout3);
  }

  add(frmError2);
  add(frmError);
  for (Control* c : std::initializer_list<Control*>{&Shape9, &Picture1, &Picture2, &lblError2, &lblError,
                                                    &Shape5, &cmdErrorOK}) {
    add(*c, &frmError);
  }
}

}  // namespace ks::ui
