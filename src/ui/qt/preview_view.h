// The style preview's browser view. Its page refuses to follow clicked links, so the
// preview always shows the sample page it was told to show.
#pragma once

#include <QWebEnginePage>
#include <QWebEngineView>

namespace favpage::ui {

class PreviewPage : public QWebEnginePage {
  Q_OBJECT
 public:
  explicit PreviewPage(QObject* parent) : QWebEnginePage(parent) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

// A browser view showing a PreviewPage.
QWebEngineView* CreatePreviewView(QWidget* parent);

}  // namespace favpage::ui
