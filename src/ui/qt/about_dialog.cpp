#include "ui/qt/about_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <optional>

#include "ui/presenter/main_layout.h"
#include "ui/qt/placement.h"

namespace favpage::ui {
namespace {

namespace about = layout::about;

QLabel* SizedLabel(QWidget* box, const QString& text, int pointSize, const char* name) {
  auto* label = new QLabel(box);
  label->setObjectName(QLatin1String(name));
  QFont font = box->font();
  font.setPointSize(pointSize);
  label->setFont(font);
  label->setText(text);
  label->adjustSize();
  return label;
}

layout::Rect Frame(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

// The top-level window that owns `window`, through its owners: the application's main
// window for a component held by a window of the program.
const QWidget* RootOwner(const QWidget* window) {
  while (window->parentWidget() != nullptr) window = window->parentWidget()->window();
  return window;
}

}  // namespace

TAboutDialog::TAboutDialog(QObject* owner) : QObject(owner) {}

QPoint TAboutDialog::CenterInControl(const QWidget* control, int width, int height) {
  const layout::Point at = layout::CenterInControl(Frame(control), {width, height});
  return {at.x, at.y};
}

QPoint TAboutDialog::Position(const QWidget* box) const {
  const QSize outer = box->frameGeometry().size();
  const QSize screen = box->screen()->size();
  std::optional<layout::Rect> main;
  std::optional<layout::Rect> owner;
  if (auto* widget = qobject_cast<const QWidget*>(parent())) {
    owner = Frame(widget->window());
    main = Frame(RootOwner(widget->window()));
  } else if (const QWidget* active = QApplication::activeWindow()) {
    main = Frame(active);
  }
  const std::optional<layout::Point> at =
      about::Origin(FFormPosition, {FFormLeft, FFormTop}, {outer.width(), outer.height()},
                    {screen.width(), screen.height()}, main, owner);
  return at ? QPoint(at->x, at->y) : box->pos();
}

void TAboutDialog::Execute() {
  auto* box = new QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  box->setObjectName(QStringLiteral("AboutBox"));
  box->setAttribute(Qt::WA_QuitOnClose, false);
  box->setFixedSize(FFormWidth, FFormHeight);
  box->setWindowTitle(FCaption);
  box->setFont(FFont);
  box->winId();  // the native window knows its frame, which the outer size includes
  KeepPlaced(box, [this, box] { return Position(box); });

  const layout::Size client{box->width(), box->height()};
  auto* close = new QPushButton(FCloseButton, box);
  close->setObjectName(QStringLiteral("CloseButton"));
  close->setDefault(true);
  const layout::Rect button = about::CloseButton(client);
  close->setGeometry(button.left, button.top, button.width, button.height);
  QObject::connect(close, &QPushButton::clicked, box, &QDialog::accept);

  auto* picture = new QLabel(box);
  picture->setObjectName(QStringLiteral("Picture"));
  picture->setGeometry(about::kPicture.left, about::kPicture.top, about::kPicture.width,
                       about::kPicture.height);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (!FIcon.isNull()) {
    const QList<QSize> sizes = FIcon.availableSizes();
    picture->setPixmap(FIcon.pixmap(sizes.isEmpty() ? QSize(32, 32) : sizes.constFirst()));
  }

  QLabel* name = SizedLabel(box, FAppName, about::kNamePoints, "NameLabel");
  const layout::Point nameAt = about::NameOrigin(client, name->width());
  name->move(nameAt.x, nameAt.y);
  struct Line {
    const QString& text;
    int top;
    const char* name;
  };
  for (const Line& line : {Line{FVersion, about::kVersionTop, "VersionLabel"},
                           Line{FMemo, about::kMemoTop, "MemoLabel"}}) {
    QLabel* label = SizedLabel(box, line.text, about::kLinePoints, line.name);
    const layout::Point at = about::LineOrigin(client, label->width(), line.top);
    label->move(at.x, at.y);
  }

  box->exec();
  box->deleteLater();
}

}  // namespace favpage::ui
