#pragma once
// The main window with every control under its own name, in its design state: places and sizes in
// twips, colours, fonts, cursors, pictures and the captions the controls carry before the language
// is first applied. The editor gives the controls their behaviour; the view only draws them.

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "ui/controls.h"

namespace ks::ui {

inline constexpr int WeaponPictureCount = 5;
inline constexpr int DropPictureCount = 10;

class MainForm : public Form {
 public:
  MainForm();

  // Favourite view.
  ListControl lstFav{Kind::ListBox, "lstFav"};
  Control lblDesc{Kind::Label, "lblDesc"};
  TextControl txtName{Kind::TextBox, "txtName"};
  Control lblArmor{Kind::Label, "lblArmor"};
  Control picArmor{Kind::Picture, "picArmor"};
  Control lblArmour{Kind::Label, "lblArmour"};
  Control lblPack{Kind::Label, "lblPack"};
  Control picPack{Kind::Picture, "picPack"};
  ListControl cmbPack{Kind::ComboBox, "cmbPack"};
  Control lblGren{Kind::Label, "lblGren"};
  ListControl cmbGren{Kind::ComboBox, "cmbGren"};

  // Commands and the window's corner icons.
  Control cmdImpFile{Kind::Button, "cmdImpFile"};
  Control cmdExpFile{Kind::Button, "cmdExpFile"};
  Control cmdImport{Kind::Button, "cmdImport"};
  Control cmdExport{Kind::Button, "cmdExport"};
  Control cmdSavePre{Kind::Button, "cmdSavePre"};
  Control cmdLoadPre{Kind::Button, "cmdLoadPre"};
  ListControl cmbLang{Kind::ComboBox, "cmbLang"};
  Control cmdLaunchLAN{Kind::Button, "cmdLaunchLAN"};
  Control cmdLaunchLINE{Kind::Button, "cmdLaunchLINE"};
  Control imgEnd{Kind::Image, "imgEnd"};
  Control imgAbout{Kind::Image, "imgAbout"};
  TimerControl timAbout{"timAbout", 250};

  // Palette: the green panel behind the palette pictures.
  Control shpDrop{Kind::Shape, "shpDrop"};

  // About panel: four nested frames form a stepped border; the third inner one holds the texts.
  Control frmAbout{Kind::Frame, "frmAbout"};
  Control frmAbout1{Kind::Frame, "frmAbout1"};
  Control frmAbout2{Kind::Frame, "frmAbout2"};
  Control frmAbout3{Kind::Frame, "frmAbout3"};
  Control Label1{Kind::Label, "Label1"};
  Control lblCompany{Kind::Label, "lblCompany"};
  Control Label4{Kind::Label, "Label4"};
  Control Label5{Kind::Label, "Label5"};
  Control Label6{Kind::Label, "Label6"};
  Control lblClan{Kind::Label, "lblClan"};
  Control Label8{Kind::Label, "Label8"};
  Control lblPrivate{Kind::Label, "lblPrivate"};
  Control imgReadme{Kind::Image, "imgReadme"};
  Control Label3{Kind::Label, "Label3"};
  Control shpAboutDone{Kind::Shape, "shpAboutDone"};
  Control cmdAboutDone{Kind::Button, "cmdAboutDone"};

  // Notice panel and its shadow.
  Control frmError2{Kind::Frame, "frmError2"};
  Control frmError{Kind::Frame, "frmError"};
  Control Shape9{Kind::Shape, "Shape9"};
  Control Picture1{Kind::Picture, "Picture1"};
  Control Picture2{Kind::Picture, "Picture2"};
  Control lblError2{Kind::Label, "lblError2"};
  Control lblError{Kind::Label, "lblError"};
  Control Shape5{Kind::Shape, "Shape5"};
  Control cmdErrorOK{Kind::Button, "cmdErrorOK"};

  // The control arrays, i = 0..4 and k = 0..9. An index outside throws std::out_of_range.
  Control& picWeapon(int i) { return picWeapon_.at(static_cast<std::size_t>(i)); }
  const Control& picWeapon(int i) const { return picWeapon_.at(static_cast<std::size_t>(i)); }
  Control& picDrop(int k) { return picDrop_.at(static_cast<std::size_t>(k)); }
  const Control& picDrop(int k) const { return picDrop_.at(static_cast<std::size_t>(k)); }

 private:
  template <std::size_t N, std::size_t... I>
  static std::array<Control, N> MakeArray(Kind kind, const char* name, std::index_sequence<I...>) {
    return {{Control(kind, std::string(name) + "(" + std::to_string(I) + ")")...}};
  }

  std::array<Control, WeaponPictureCount> picWeapon_ = MakeArray<WeaponPictureCount>(
      Kind::Picture, "picWeapon", std::make_index_sequence<WeaponPictureCount>{});
  std::array<Control, DropPictureCount> picDrop_ =
      MakeArray<DropPictureCount>(Kind::Picture, "picDrop", std::make_index_sequence<DropPictureCount>{});
};

}  // namespace ks::ui
