// The style preview's place in the window. The browser engine behind the preview takes
// longer to start than the rest of the window together, so the pane makes it only once
// the window has been painted: the window is on the screen at once, and the preview
// follows. What the pane is told to show before then is shown as soon as the engine is up.
#pragma once

#include <QUrl>
#include <QWidget>

namespace favpage::ui {

class PreviewPane : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewPane(QWidget* parent = nullptr);

  // Shows `url`: at once when the engine is up, else as soon as it is.
  void Show(const QUrl& url);
  // What the pane shows, or will show once its engine is up.
  QUrl Url() const;
  // The engine's view, which fills the pane; nullptr until it is made, and for good when
  // the engine cannot start.
  QWidget* View() const { return view_; }
  // Makes the engine's view now, showing what the pane was told to show; nothing when it
  // is there already.
  void CreateEngine();

 signals:
  // The engine's view has been made and fills the pane.
  void EngineCreated(QWidget* view);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ScheduleEngine();
  void StartIfShown();

  QWidget* view_ = nullptr;
  QUrl pending_;
  bool scheduled_ = false;
  bool engineFailed_ = false;
};

}  // namespace favpage::ui
