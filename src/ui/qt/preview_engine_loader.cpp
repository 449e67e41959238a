#include <QCoreApplication>
#include <QLibrary>

#include "ui/qt/preview_engine.h"

namespace favpage::ui {
namespace {

QString engineFolder;
MakePreviewViewFunction make = nullptr;

MakePreviewViewFunction LoadModule(QString* error) {
  if (make != nullptr) return make;
  const QString folder =
      engineFolder.isEmpty() ? QCoreApplication::applicationDirPath() : engineFolder;
  QLibrary module(folder + u'/' + QString::fromLatin1(kPreviewEngineModule));
  if (module.load())
    make = reinterpret_cast<MakePreviewViewFunction>(module.resolve(kMakePreviewView));
  if (make == nullptr && error != nullptr) *error = module.errorString();
  return make;
}

}  // namespace

void UsePreviewEngineFrom(const QString& folder) {
  engineFolder = folder;
  make = nullptr;
}

QWidget* MakePreviewView(QWidget* parent, QString* error) {
  const MakePreviewViewFunction make = LoadModule(error);
  return make != nullptr ? make(parent) : nullptr;
}

}  // namespace favpage::ui
