#include "ui/qt/preview_view.h"

namespace favpage::ui {
namespace {

// The preview area is about 269 x 85 pixels: at 60 % the sample's title, a heading and
// its links are all in sight, so the styles differ at a glance, in proportion.
constexpr qreal kPreviewZoom = 0.6;

}  // namespace

bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (type == NavigationTypeLinkClicked) return false;
  return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEngineView* CreatePreviewView(QWidget* parent) {
  auto* view = new QWebEngineView(parent);
  view->setPage(new PreviewPage(view));
  view->setContextMenuPolicy(Qt::NoContextMenu);
  view->setZoomFactor(kPreviewZoom);
  // The engine may reset the zoom when it loads a page; the preview keeps its scale.
  QObject::connect(view, &QWebEngineView::loadFinished, view,
                   [view] { view->setZoomFactor(kPreviewZoom); });
  return view;
}

}  // namespace favpage::ui
