#include "ui/about_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/placement.h"

namespace favpage::ui {
namespace {

// C++ division truncates toward zero, as the box's halving rule asks (-3 gives -1).
int Half(int value) { return value / 2; }

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

const QWidget* MainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String("Platform")) return widget;
  }
  return QApplication::activeWindow();
}

}  // namespace

TAboutDialog::TAboutDialog(QObject* owner) : QObject(owner) {}

QPoint TAboutDialog::CenterInControl(const QWidget* control, int width, int height) {
  const QRect outer = control->frameGeometry();
  return {Half(outer.width() - width) + outer.left(), Half(outer.height() - height) + outer.top()};
}

QPoint TAboutDialog::Position(const QWidget* box) const {
  const QSize outer = box->frameGeometry().size();
  switch (FFormPosition) {
    case fpDesigned:
      return {FFormLeft, FFormTop};
    case fpScreenCenter: {
      const QSize screen = box->screen()->size();
      return {Half(screen.width() - outer.width()), Half(screen.height() - outer.height())};
    }
    case fpMainFormCenter:
      if (const QWidget* main = MainWindow()) {
        return CenterInControl(main, outer.width(), outer.height());
      }
      break;
    case fpOwnerFormCenter:
      if (auto* owner = qobject_cast<const QWidget*>(parent())) {
        return CenterInControl(owner->window(), outer.width(), outer.height());
      }
      break;
  }
  return box->pos();
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

  const int cw = box->width();
  const int ch = box->height();
  auto* close = new QPushButton(FCloseButton, box);
  close->setObjectName(QStringLiteral("CloseButton"));
  close->setDefault(true);
  close->setGeometry(Half(cw - 64), ch - 24 - 8, 64, 24);
  QObject::connect(close, &QPushButton::clicked, box, &QDialog::accept);

  auto* picture = new QLabel(box);
  picture->setObjectName(QStringLiteral("Picture"));
  picture->setGeometry(8, 8, 48, 48);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (!FIcon.isNull()) {
    const QList<QSize> sizes = FIcon.availableSizes();
    picture->setPixmap(FIcon.pixmap(sizes.isEmpty() ? QSize(32, 32) : sizes.constFirst()));
  }

  const int pictureRight = picture->x() + picture->width();
  QLabel* name = SizedLabel(box, FAppName, 16, "NameLabel");
  name->move(pictureRight + Half(cw - pictureRight - 8 - name->width()), 8);
  QLabel* version = SizedLabel(box, FVersion, 10, "VersionLabel");
  version->move(Half(cw - version->width()), 36);
  QLabel* memo = SizedLabel(box, FMemo, 10, "MemoLabel");
  memo->move(Half(cw - memo->width()), 54);

  box->exec();
  box->deleteLater();
}

}  // namespace favpage::ui
