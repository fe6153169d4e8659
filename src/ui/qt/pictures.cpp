#include "ui/qt/pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <utility>

// The resources live in a static library; naming them here keeps the linker from dropping them.
static void InitKitsmithResources() { Q_INIT_RESOURCE(kitsmith); }

namespace ks::ui {
namespace {

constexpr std::array<std::pair<Pic, const char*>, 30> kNames{{
    {Pic::Empty, "empty"},
    {Pic::No, "no"},
    {Pic::Light, "light"},
    {Pic::Medium, "medium"},
    {Pic::Heavy, "heavy"},
    {Pic::Blaster, "blaster"},
    {Pic::Chaingun, "chaingun"},
    {Pic::Spinfusor, "spinfusor"},
    {Pic::Plasma, "plasma"},
    {Pic::Grenade, "grenade"},
    {Pic::Missile, "missile"},
    {Pic::Fusion, "fusion"},
    {Pic::Elf, "elf"},
    {Pic::Shocklance, "shocklance"},
    {Pic::Laser, "laser"},
    {Pic::Ammopack, "ammopack"},
    {Pic::Energy, "energy"},
    {Pic::Repairpack, "repairpack"},
    {Pic::Shieldpack, "shieldpack"},
    {Pic::Cloakpack, "cloakpack"},
    {Pic::Sensorjammerpack, "sensorjammerpack"},
    {Pic::Satchelpack, "satchelpack"},
    {Pic::Deploypack, "deploypack"},
    {Pic::Background, "background"},
    {Pic::AboutOn, "about_on"},
    {Pic::AboutOff, "about_off"},
    {Pic::NoticeLeft, "notice_left"},
    {Pic::NoticeRight, "notice_right"},
    {Pic::Readme, "readme"},
    {Pic::AppIcon, "app_icon"},
}};

QString Name(Pic pic) {
  for (const auto& [p, name] : kNames) {
    if (p == pic) return QString::fromLatin1(name);
  }
  return {};
}

QPixmap Render(const QString& resource, const QString& label, QSize size, qreal dpr) {
  QPixmap pixmap(size * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QSvgRenderer renderer(resource);
  if (renderer.isValid()) {
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  } else {
    // Keeps the window usable and every item recognisable while a picture is missing.
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(40, 44, 52));
    painter.setPen(QColor(120, 200, 255));
    painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter | Qt::TextWordWrap, label);
  }
  return pixmap;
}

}  // namespace

QString PicResource(Pic pic) {
  const QString name = Name(pic);
  return name.isEmpty() ? QString() : QStringLiteral(":/pics/%1.svg").arg(name);
}

Pictures::Pictures() { InitKitsmithResources(); }

QPixmap Pictures::get(Pic pic, QSize size, qreal dpr) {
  if (pic == Pic::None || size.isEmpty()) return {};
  const QString key =
      QStringLiteral("%1/%2x%3/%4").arg(int(pic)).arg(size.width()).arg(size.height()).arg(dpr);
  auto it = cache_.constFind(key);
  if (it != cache_.constEnd()) return *it;
  QPixmap pixmap = Render(PicResource(pic), Name(pic), size, dpr);
  cache_.insert(key, pixmap);
  return pixmap;
}

QCursor Pictures::cursor(Cursor cursor, qreal dpr) {
  switch (cursor) {
    case Cursor::SizeAll: return QCursor(Qt::SizeAllCursor);
    case Cursor::Hand: {
      const QString resource = QStringLiteral(":/pics/cursor_pick.svg");
      if (!QFile::exists(resource)) return QCursor(Qt::PointingHandCursor);
      if (pickDpr_ != dpr) {
        pick_ = QCursor(Render(resource, QString(), QSize(32, 32), dpr), 16, 16);
        pickDpr_ = dpr;
      }
      return pick_;
    }
    case Cursor::Default: break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace ks::ui
