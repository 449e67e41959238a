#include "ui/preview_view.h"

namespace favpage::ui {

bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (type == NavigationTypeLinkClicked) return false;
  return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEngineView* CreatePreviewView(QWidget* parent) {
  auto* view = new QWebEngineView(parent);
  view->setPage(new PreviewPage(view));
  view->setContextMenuPolicy(Qt::NoContextMenu);
  return view;
}

}  // namespace favpage::ui
