// TAboutDialog: a non-visual component holding the texts, size, position rule, font and
// icon of a version box; Execute builds the box, shows it modally and discards it.
#pragma once

#include <QFont>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

class QWidget;

namespace favpage::ui {

class TAboutDialog : public QObject {
  Q_OBJECT
 public:
  enum TFPosition { fpDesigned, fpScreenCenter, fpMainFormCenter, fpOwnerFormCenter };
  Q_ENUM(TFPosition)

 private:
  Q_PROPERTY(QString AppName MEMBER FAppName)
  Q_PROPERTY(QString Caption MEMBER FCaption)
  Q_PROPERTY(QString CloseButton MEMBER FCloseButton)
  Q_PROPERTY(int FormLeft MEMBER FFormLeft)
  Q_PROPERTY(int FormTop MEMBER FFormTop)
  Q_PROPERTY(int FormWidth MEMBER FFormWidth)
  Q_PROPERTY(int FormHeight MEMBER FFormHeight)
  Q_PROPERTY(TFPosition FormPosition MEMBER FFormPosition)
  Q_PROPERTY(QString Memo MEMBER FMemo)
  Q_PROPERTY(QString Version MEMBER FVersion)
  Q_PROPERTY(QFont Font MEMBER FFont)
  Q_PROPERTY(QIcon Icon READ Icon WRITE SetIcon)

 public:
  explicit TAboutDialog(QObject* owner);

  // The position at which a window of the given outer size is centred over `control`'s
  // outer frame; halves truncate toward zero and the result is not kept on the screen.
  static QPoint CenterInControl(const QWidget* control, int width, int height);

  // Shows the box modally and returns when its close button has been pressed.
  void Execute();

  QIcon Icon() const { return FIcon; }
  void SetIcon(const QIcon& icon) { FIcon = icon; }

  QString FAppName;
  QString FVersion;
  QString FMemo;
  int FFormLeft = 0;
  int FFormTop = 0;
  int FFormWidth = 320;
  int FFormHeight = 120;
  TFPosition FFormPosition = fpDesigned;
  QString FCaption;
  QString FCloseButton;
  QFont FFont;
  QIcon FIcon;

 private:
  QPoint Position(const QWidget* box) const;
};

}  // namespace favpage::ui
