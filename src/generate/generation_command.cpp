// The create command: the steps of the create button without the window, which the
// host's Progress and MessageSink stand in for.
#include "generate/generation_command.h"

#include "base/io_error.h"
#include "base/messages.h"
#include "generate/publication.h"
#include "generate/source_factory.h"
#include "platform/output_claim.h"
#include "preview/style_sheet.h"
#include "text/path_rules.h"
#include "text/text_file.h"

namespace favpage {
namespace {

// Takes the progress window down however the run ends, an error included.
class RunEndedGuard {
 public:
  explicit RunEndedGuard(Progress& progress) : progress_(progress) {}
  RunEndedGuard(const RunEndedGuard&) = delete;
  RunEndedGuard& operator=(const RunEndedGuard&) = delete;
  ~RunEndedGuard() { progress_.RunEnded(); }

 private:
  Progress& progress_;
};

// Claims the run's output page before anything of it is written, so that a second run on
// the same page (another process, or the window and a scheduled job) stops at once with
// the sharing error instead of interleaving its files with those of the first. The claim
// is the lock of a file of its own beside the page: the page itself is replaced when the
// run puts it in place, and must not appear, not even empty, before then. The sub-pages,
// the manifest and the staging files of a tree are named after the page, so its claim
// covers them; the holder removes the staging files that killed runs left. A page without
// a folder is left for the page head to refuse.
void ClaimOutput(platform::OutputClaim& claim, const std::string& page,
                 const Publication& publication) {
  if (ExtractFileDir(page).empty()) return;
  PageGenerator::CreatePageFolders(page);
  if (const int code = claim.Claim(publication.ClaimPath()); code != 0) {
    throw IoError(code).AboutPath(page);
  }
  publication.RemoveLeftovers();
}

}  // namespace

GenerationStats RunGenerationCommand(const SettingsState& state, const TitleLines& titles,
                                     Progress& progress, MessageSink& messages,
                                     const std::string& exeFolder) {
  if (state.OutName.empty()) {
    messages.ShowMessage(msg::kNoOutputName, msg::kConfirmCaption, MessageKind::kConfirmation);
    return {};
  }
  progress.RunStarted();
  const RunEndedGuard runEnded(progress);
  progress.ProcessMessages();

  // The state is the window's: its handlers may change it whenever messages are
  // processed. The walk keeps the page it began with; a new output name or style takes
  // effect at the style sheet, which reads both after the walk.
  const std::string page = state.OutName;
  // Read before any page is touched: a source that cannot be read leaves every page as
  // it was.
  const std::unique_ptr<LinkSource> source = OpenLinkSource(state);
  // Held until everything is in place: the run's output is the pages, the sheet and the
  // manifest.
  platform::OutputClaim claim;
  // Declared after the claim, so a failed run's staging files go while it is still held.
  Publication publication(page);
  const bool writesPages = state.OutType == 0 || state.OutType == 1;
  if (writesPages) ClaimOutput(claim, page, publication);
  PageGenerator generator(state, titles, progress, *source);
  generator.StageThrough(publication);
  switch (state.OutType) {
    case 0:
      generator.WritePageHead(page);
      generator.WalkSinglePage(page, source->TopFolder());
      break;
    case 1:
      generator.WriteFolderPage(page, source->TopFolder(), 0, "");
      break;
    default:
      break;  // no page; the style sheet is still installed
  }
  if (state.StyleType > 0) InstallStyleSheet(state, exeFolder, publication);

  GenerationStats stats = generator.stats();
  // A source whose top folder could not be read says nothing of which pages are gone: the
  // record of the last run stays, and so do its pages.
  publication.Publish(stats, writesPages && stats.folders > 0);
  return stats;
}

void InstallStyleSheet(const SettingsState& state, const std::string& exeFolder,
                       Publication& publication) {
  const std::string name = StyleSheetFileName(state.StyleType);
  const std::string target = ExtractFilePath(state.OutName) + name;
  // The source is open before the copy is staged: when both are the same file, the
  // source's sharing refuses the replacement (code 32) and the sheet stays as it is.
  TextFile source(exeFolder + name, TextMode::kRead);
  TextFile destination(publication.Stage(target, Publication::Kind::kStyleSheet), TextMode::kCreate,
                       target);
  CopyTextLines(source, destination);
  source.Close();
  destination.Close();
}

}  // namespace favpage
