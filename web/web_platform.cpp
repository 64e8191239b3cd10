#include "web_platform.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "commands/file_commands.h"
#include "commands/replay_save_command.h"
#include "commands/stage_data_commands.h"
#include "dialogs/about_box_controller.h"
#include "dialogs/about_links.h"
#include "dialogs/file_chooser_texts.h"
#include "dialogs/message_box_choices.h"
#include "dialogs/stage_operations_controller.h"
#include "io/file_name_check.h"
#include "page_changes.h"
#include "page_controls.h"
#include "platform/messages.h"

namespace vantoki {
namespace {

constexpr const char* kDataFolder = "/vantoki";

// clang-format off: the bodies are JavaScript.
// The page's dialogs answer with a promise; the WebAssembly stack waits for it. Texts come back
// as strings the page allocated with malloc, owned here.
// The buttons come as their captions, one a line, and the answer is the place of the one pressed.
EM_ASYNC_JS(int, pageShowMessage, (const char* text, const char* title, const char* buttons), {
  return await Module.page.showMessage(UTF8ToString(text), UTF8ToString(title),
                                       UTF8ToString(buttons));
});

EM_JS(void, pageShowMessageUnawaited, (const char* text, const char* title, const char* buttons),
      { Module.page.showMessage(UTF8ToString(text), UTF8ToString(title), UTF8ToString(buttons)); });

// The places come as lines of a name, a tab and a folder; the captions of the buttons that open,
// take a file from the computer, delete a kept file and cancel as lines too. The answer is what
// to do, "open" or "delete", a line break and the file's path.
EM_ASYNC_JS(char*, pageChooseFileToOpen,
            (const char* title, const char* description, const char* pattern, const char* folder,
             const char* places, const char* buttons),
            {
              const answer = await Module.page.chooseFileToOpen(
                  UTF8ToString(title), UTF8ToString(description), UTF8ToString(pattern),
                  UTF8ToString(folder), UTF8ToString(places), UTF8ToString(buttons));
              return answer == null ? 0 : Module.page.allocateText(answer);
            });

// The captions of the buttons that save and cancel, one a line.
EM_ASYNC_JS(char*, pageChooseFileToSave,
            (const char* title, const char* description, const char* buttons), {
              const name = await Module.page.chooseFileToSave(
                  UTF8ToString(title), UTF8ToString(description), UTF8ToString(buttons));
              return name == null ? 0 : Module.page.allocateText(name);
            });

// The id of the element clicked, or an empty text when the dialog's own close control was.
EM_ASYNC_JS(char*, pageNextDialogEvent, (const char* window), {
  return Module.page.allocateText(await Module.page.nextDialogEvent(UTF8ToString(window)));
});

EM_JS(void, pageOpenDialog, (const char* window),
      { Module.page.openDialog(UTF8ToString(window)); });

EM_JS(void, pageCloseDialog, (const char* window),
      { Module.page.closeDialog(UTF8ToString(window)); });

EM_JS(void, pageDownload, (const char* name, const std::uint8_t* bytes, int size),
      { Module.page.download(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)); });

// The browser's words for a failure, or nothing once the file is in its storage.
EM_ASYNC_JS(char*, pageKeepPlayerFile, (const char* path), {
  const failure = await Module.page.keepPlayerFile(UTF8ToString(path));
  return failure == null ? 0 : Module.page.allocateText(failure);
});

// The player's folder made to hold what the browser keeps now, before a dialog lists it: the
// listing calls the game, which it can only while the game's stack runs.
EM_ASYNC_JS(void, pageMirrorKeptFiles, (), { await Module.page.mirrorKeptFiles(); });

EM_ASYNC_JS(char*, pageForgetPlayerFile, (const char* path), {
  const failure = await Module.page.forgetPlayerFile(UTF8ToString(path));
  return failure == null ? 0 : Module.page.allocateText(failure);
});

EM_JS(void, pageStackWaits, (int waits), { Module.page.stackWaits(waits != 0); });

EM_JS(int, pageLeftButtonDown, (), { return Module.page.leftButtonDown() ? 1 : 0; });

EM_JS(int, pageOpenAddress, (const char* address),
      { return Module.page.openAddress(UTF8ToString(address)) ? 1 : 0; });
// clang-format on

struct FreeText {
  void operator()(char* text) const { std::free(text); }
};

std::optional<std::string> takeText(char* text) {
  const std::unique_ptr<char, FreeText> owned(text);
  if (!owned) {
    return std::nullopt;
  }
  return std::string(owned.get());
}

std::string readWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string lines(std::initializer_list<std::string_view> texts) {
  std::string joined;
  for (const std::string_view text : texts) {
    joined.append(text).append("\n");
  }
  return joined;
}

std::string captionLines(const std::vector<MessageChoice>& choices) {
  std::string joined;
  for (const MessageChoice& choice : choices) {
    joined.append(choice.caption).append("\n");
  }
  return joined;
}

std::string placeLines(const std::vector<FolderPlace>& places) {
  std::string lines;
  for (const FolderPlace& place : places) {
    lines += place.name + "\t" + place.folder.string() + "\n";
  }
  return lines;
}

}  // namespace

WebPlatform::WebPlatform(const Image24& miniStrip) : miniStrip_(miniStrip) {
  // The module's own mask keeps every permission from a new file, which then could not even be
  // read back.
  umask(022);
  // The shipped files come afresh with every load of the page, so a file saved among them would
  // be lost: the game's folders are closed to saves, which then go to the player's folder.
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator folder(kDataFolder, error), end;
       !error && folder != end; folder.increment(error)) {
    if (folder->is_directory(error)) {
      constexpr std::filesystem::perms kWrite = std::filesystem::perms::owner_write |
                                                std::filesystem::perms::group_write |
                                                std::filesystem::perms::others_write;
      std::filesystem::permissions(folder->path(), kWrite, std::filesystem::perm_options::remove,
                                   error);
    }
  }
}

MessageAnswer WebPlatform::showMessage(const std::string& text, const std::string& title,
                                       MessageButtons buttons) {
  const std::vector<MessageChoice> choices = messageChoices(buttons);
  const std::string captions = captionLines(choices);
  if (stackWaits_) {
    // Only a tick under a dialog gets here. Its stack cannot wait a second time while the first
    // wait holds it, so the message shows on top without a wait: an OK has only one answer, and
    // a question takes the answer that changes nothing.
    pageShowMessageUnawaited(text.c_str(), title.c_str(), captions.c_str());
    return answerWhenClosed(buttons);
  }
  const DialogScope scope(*this);
  const int pressed =
      awaitPage([&] { return pageShowMessage(text.c_str(), title.c_str(), captions.c_str()); });
  return pressed >= 0 && pressed < static_cast<int>(choices.size()) ? choices[pressed].answer
                                                                    : answerWhenClosed(buttons);
}

std::optional<std::filesystem::path> WebPlatform::chooseFileToOpen(const FileFilter& filter,
                                                                   const DialogFolders& folders) {
  const std::string buttons =
      lines({chooseCaption(FileChooserPurpose::Open), kPickFromComputerCaption,
             kDeleteKeptFileCaption, cancelCaption()});
  for (;;) {
    std::optional<std::string> answer;
    {
      const DialogScope scope(*this);
      awaitPage([] {
        pageMirrorKeptFiles();
        return 0;
      });
      answer = takeText(awaitPage([&] {
        return pageChooseFileToOpen(std::string(chooserTitle(FileChooserPurpose::Open)).c_str(),
                                    filter.description.c_str(), filter.pattern.c_str(),
                                    folders.initial.c_str(), placeLines(folders.places).c_str(),
                                    buttons.c_str());
      }));
    }
    const std::size_t lineEnd = answer ? answer->find('\n') : std::string::npos;
    if (lineEnd == std::string::npos) {
      return std::nullopt;
    }
    const std::filesystem::path path = answer->substr(lineEnd + 1);
    if (answer->compare(0, lineEnd, "delete") != 0) {
      return path;
    }
    deleteKeptFile(path);
  }
}

void WebPlatform::deleteKeptFile(const std::filesystem::path& path) {
  const std::string shown = shownPath(path);
  if (!confirm(*this, shown + "を削除します。よろしいですか？")) {
    return;
  }
  if (const std::optional<std::string> failure =
          takeText(awaitPage([&] { return pageForgetPlayerFile(path.c_str()); }))) {
    reportError(*this, shown + "を削除できませんでした\n" + *failure);
  }
}

std::optional<std::filesystem::path> WebPlatform::chooseFileToSave(const FileFilter& filter,
                                                                   const DialogFolders& folders) {
  const DialogScope scope(*this);
  const std::string buttons = lines({chooseCaption(FileChooserPurpose::Save), cancelCaption()});
  const std::optional<std::string> name = takeText(awaitPage([&] {
    return pageChooseFileToSave(std::string(chooserTitle(FileChooserPurpose::Save)).c_str(),
                                filter.description.c_str(), buttons.c_str());
  }));
  if (!name) {
    return std::nullopt;
  }
  // The dialog takes a file's name in the folder the game offers, the same name before and after
  // the extension is added; the memory file system would take a name no disk takes.
  std::optional<FileError> refused = checkFileName(*name);
  const std::filesystem::path path =
      refused ? std::filesystem::path(*name) : withFilterExtension(folders.initial / *name, filter);
  if (!refused) {
    refused = checkFileName(path.filename().string());
  }
  if (refused) {
    reportSaveFailure(*this, path, *refused);
    return std::nullopt;
  }
  return path;
}

void WebPlatform::runDialog(DialogController& controller) {
  const DialogScope scope(*this);
  const std::string window(controller.layout().front().name);
  pageOpenDialog(window.c_str());
  controller.screen().setListener(
      [&window](const ControlChange& change) { applyPageChange(window, change); });
  controller.opened();
  while (!controller.closed()) {
    const std::string id =
        takeText(awaitPage([&] { return pageNextDialogEvent(window.c_str()); })).value_or("");
    if (id.empty()) {
      break;
    }
    controller.click(controlOfElement(window, id));
  }
  controller.screen().setListener(nullptr);
  pageCloseDialog(window.c_str());
}

void WebPlatform::showAboutBox() {
  // The help page lies beside the page on the server, not in the program's files.
  AboutBoxController about(*this, {std::nullopt, std::string(kHelpPageFileName)});
  runDialog(about);
}

std::optional<StageOperationChoice> WebPlatform::chooseStageOperation(const StageSet& stageSet) {
  StageOperationsController operations(stageSet, *this, miniStrip_);
  runDialog(operations);
  return operations.chosen();
}

bool WebPlatform::leftMouseButtonDown() {
  return pageLeftButtonDown() != 0;
}

void WebPlatform::openAddress(const std::string& address,
                              std::function<void(bool opened)> answered) {
  answered(pageOpenAddress(address.c_str()) != 0);
}

std::filesystem::path WebPlatform::dataFolder() {
  return kDataFolder;
}

void WebPlatform::setStackWaits(bool waits) {
  stackWaits_ = waits;
  pageStackWaits(waits ? 1 : 0);
  if (waits && keyboardTaken_) {
    keyboardTaken_();
  }
}

void WebPlatform::runOnUiThread(std::function<void()> call) {
  handedOver_.push_back(std::move(call));
}

void WebPlatform::runHandedOverCalls() {
  while (!handedOver_.empty()) {
    const std::function<void()> call = std::move(handedOver_.front());
    handedOver_.pop_front();
    call();
  }
}

std::optional<FileError> WebPlatform::fileSaved(const std::filesystem::path& path) {
  const std::string bytes = readWholeFile(path);
  pageDownload(path.filename().c_str(), reinterpret_cast<const std::uint8_t*>(bytes.data()),
               static_cast<int>(bytes.size()));
  // Kept before the save is said to be done, so that a reload right after it finds the file. The
  // download has happened, so the player has the file even when the browser keeps none.
  if (const std::optional<std::string> failure =
          takeText(awaitPage([&] { return pageKeepPlayerFile(path.c_str()); }))) {
    return notKeptFailure(path, *failure);
  }
  return std::nullopt;
}

std::string WebPlatform::shownPath(const std::filesystem::path& path) {
  std::vector<std::filesystem::path> places{kPickedFolder};
  for (const std::filesystem::path& root : {playerFolder(), dataFolder()}) {
    for (const char* kind : {kStageDataFolderName, kReplayFolderName}) {
      places.push_back(root / kind);
    }
  }
  for (const std::filesystem::path& place : places) {
    const std::filesystem::path relative = path.lexically_relative(place);
    if (!relative.empty() && *relative.begin() != "..") {
      return relative.string();
    }
  }
  return path.string();
}

}  // namespace vantoki
