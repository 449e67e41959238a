#include "ui/qt/progress_window.h"

#include <QLabel>
#include <QWidget>

#include "ui/presenter/main_layout.h"
#include "ui/qt/placement.h"
#include "ui/qt/ui_strings.h"

namespace favpage::ui {

ProgressWindow ShowProgressWindow(const QWidget* mainWindow) {
  auto* form = new QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  form->setObjectName(QStringLiteral("WorkForm"));
  form->setAttribute(Qt::WA_QuitOnClose, false);
  form->setWindowTitle(Str(str::kWorkingCaption));
  form->setFixedSize(layout::kWorkFormClient.width, layout::kWorkFormClient.height);

  auto* label = new QLabel(Str(str::kWorkingInitialText), form);
  label->setObjectName(QStringLiteral("WorkLabel"));
  QFont font = label->font();
  font.setPointSize(layout::kWorkLabelPoints);
  font.setBold(true);
  label->setFont(font);
  label->move(layout::kWorkLabelOrigin.x, layout::kWorkLabelOrigin.y);
  label->adjustSize();

  form->winId();  // the native window knows its frame, which the centring includes
  KeepPlaced(form, [mainWindow, form] {
    return CentredIn(mainWindow->frameGeometry(), form->frameGeometry().size());
  });
  form->show();
  return {form, label};
}

void ReleaseProgressWindow(QWidget* workForm) {
  if (workForm == nullptr) return;
  workForm->hide();
  workForm->deleteLater();
}

}  // namespace favpage::ui
