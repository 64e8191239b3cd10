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
#include "dialogs/about_links.h"
#include "dialogs/stage_operations_model.h"
#include "io/file_name_check.h"
#include "layout/layout_table.h"
#include "page_controls.h"
#include "page_elements.h"

namespace vantoki {
namespace {

constexpr const char* kDataFolder = "/vantoki";
// Where the page script puts a file the player picks on the computer.
constexpr const char* kPickedFolder = "/picked";

// clang-format off: the bodies are JavaScript.
// The page's dialogs answer with a promise; the WebAssembly stack waits for it. Texts come back
// as strings the page allocated with malloc, owned here.
// `buttons` and the answer are MessageButtons and MessageAnswer as numbers.
EM_ASYNC_JS(int, pageShowMessage, (const char* text, const char* title, int buttons), {
  return await Module.page.showMessage(UTF8ToString(text), UTF8ToString(title), buttons);
});

EM_JS(void, pageShowMessageUnawaited, (const char* text, const char* title, int buttons),
      { Module.page.showMessage(UTF8ToString(text), UTF8ToString(title), buttons); });

// The places come as lines of a name, a tab and a folder.
EM_ASYNC_JS(char*, pageChooseFileToOpen,
            (const char* description, const char* pattern, const char* folder, const char* places),
            {
              const path = await Module.page.chooseFileToOpen(
                  UTF8ToString(description), UTF8ToString(pattern), UTF8ToString(folder),
                  UTF8ToString(places));
              return path == null ? 0 : Module.page.allocateText(path);
            });

EM_ASYNC_JS(char*, pageChooseFileToSave, (const char* description, const char* pattern), {
  const name = await Module.page.chooseFileToSave(UTF8ToString(description), UTF8ToString(pattern));
  return name == null ? 0 : Module.page.allocateText(name);
});

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
  if (stackWaits_) {
    // Only a tick under a dialog gets here. Its stack cannot wait a second time while the first
    // wait holds it, so the message shows on top without a wait: an OK has only one answer, and
    // a question takes the answer that changes nothing.
    pageShowMessageUnawaited(text.c_str(), title.c_str(), static_cast<int>(buttons));
    return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
           : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                  : MessageAnswer::Ok;
  }
  const DialogScope scope(*this);
  return static_cast<MessageAnswer>(awaitPage(
      [&] { return pageShowMessage(text.c_str(), title.c_str(), static_cast<int>(buttons)); }));
}

std::optional<std::filesystem::path> WebPlatform::chooseFileToOpen(const FileFilter& filter,
                                                                   const DialogFolders& folders) {
  const DialogScope scope(*this);
  const std::optional<std::string> path = takeText(awaitPage([&] {
    return pageChooseFileToOpen(filter.description.c_str(), filter.pattern.c_str(),
                                folders.initial.c_str(), placeLines(folders.places).c_str());
  }));
  if (!path) {
    return std::nullopt;
  }
  return std::filesystem::path(*path);
}

std::optional<std::filesystem::path> WebPlatform::chooseFileToSave(const FileFilter& filter,
                                                                   const DialogFolders& folders) {
  const DialogScope scope(*this);
  const std::optional<std::string> name = takeText(awaitPage(
      [&] { return pageChooseFileToSave(filter.description.c_str(), filter.pattern.c_str()); }));
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

void WebPlatform::showAboutBox() {
  const DialogScope scope(*this);
  pageOpenDialog("frmAbout");
  for (;;) {
    const std::string event =
        takeText(awaitPage([] { return pageNextDialogEvent("frmAbout"); })).value_or("");
    if (event == elementId("frmAbout", "Command2")) {
      // The help page lies beside the page on the server, not in the program's files.
      openInBrowser(*this, std::string(kHelpPageFileName), std::string(kHelpPageFileName));
    } else if (event == elementId("frmAbout", "Label3")) {
      openMakerWebPage(*this);
    } else if (event == elementId("frmAbout", "Label5")) {
      writeMailToMaker(*this);
    } else {
      break;
    }
  }
  pageCloseDialog("frmAbout");
}

std::optional<StageOperationChoice> WebPlatform::chooseStageOperation(const StageSet& stageSet) {
  const DialogScope scope(*this);
  StageOperationsModel model(stageSet, *this, miniStrip_);
  pageOpenDialog("Form2");
  std::optional<StageOperationChoice> chosen;
  for (;;) {
    const std::string event =
        takeText(awaitPage([] { return pageNextDialogEvent("Form2"); })).value_or("");
    if (event == elementId("Form2", "Command1")) {
      chosen = model.execute();
      if (chosen) {
        break;
      }
      continue;
    }
    bool handled = false;
    for (int option = 0; option < kTargetOptionCount && !handled; ++option) {
      if (event != elementId("Form2", arrayName("Option1", option))) {
        continue;
      }
      handled = true;
      if (const std::optional<int> side = model.chooseTarget(option)) {
        for (int stage = 0; stage < kStageCount; ++stage) {
          const int each = *side * kStageCount + stage;
          setElementChecked(elementId("Form2", arrayName("Option1", each)), each == option);
        }
        setElementText(elementId("Form2", arrayName("Text1", *side)), model.targetName(*side));
        showPicture(elementId("Form2", arrayName("Picture1", *side)), model.targetPreview(*side));
      }
    }
    for (const OperationOption& option : kOperationOptions) {
      if (event == elementId("Form2", option.name)) {
        handled = true;
        model.chooseOperation(option.operation);
      }
    }
    if (!handled) {
      break;
    }
  }
  pageCloseDialog("Form2");
  return chosen;
}

bool WebPlatform::leftMouseButtonDown() {
  return pageLeftButtonDown() != 0;
}

bool WebPlatform::openAddress(const std::string& address) {
  return pageOpenAddress(address.c_str()) != 0;
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
  // Written back before the save is said to be done, so that a reload right after it finds the
  // file. The download has happened, so the player has the file even when the browser keeps none.
  if (const std::optional<std::string> failure =
          takeText(awaitPage([&] { return pageKeepPlayerFile(path.c_str()); }))) {
    return fileError(path, "downloaded, but not kept in the browser's storage: " + *failure,
                     "ダウンロードはしましたが、ブラウザーに保存できませんでした");
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
