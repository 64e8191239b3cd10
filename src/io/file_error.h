// What goes wrong with a file, as a value. Every reader and writer in io/ reports failure this
// way instead of throwing, so the shell can show the message and carry on.
//
// Each failure is described once, where it is found, in two forms made side by side:
// - message: one line of English for vantoki-cli. It names the file, for read failures the line,
//   and what is wrong ("stagedata/a.vkst: line 20: row 2 of stage 2 has 14 commas, 15 expected").
// - cause: one short line of Japanese in a player's words, shown by the window under its own
//   line that names the file, so it never names the file itself; where a line of the file is at
//   fault it starts with that line ("20 行目: ステージ2の2段目にカンマが14個あります（15個のはず
//   です）").
// Neither is ever made from the other, and every failure has both.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>

namespace vantoki {

struct FileError {
  FileError(std::string english, std::string japanese)
      : message(std::move(english)), cause(std::move(japanese)) {}

  std::string message;
  std::string cause;

  friend bool operator==(const FileError&, const FileError&) = default;
};

inline FileError fileError(const std::filesystem::path& path, std::string_view what,
                           std::string_view cause) {
  return FileError(path.string() + ": " + std::string(what), std::string(cause));
}

// A cause found at a line of the file (counted from 1), as the player reads it.
inline std::string causeAtLine(int line, std::string_view cause) {
  return std::to_string(line) + " 行目: " + std::string(cause);
}

inline FileError fileError(const std::filesystem::path& path, int line, std::string_view what,
                           std::string_view cause) {
  return fileError(path, "line " + std::to_string(line) + ": " + std::string(what),
                   causeAtLine(line, cause));
}

// The system's words for an errno value ("No such file or directory"), to end a message with.
inline std::string systemReason(int errorNumber) {
  return std::generic_category().message(errorNumber);
}

enum class FileUse { Reading, Writing };

// The cause of a failed system call in a player's words, for the errno values a player can do
// something about (no permission, a full disk, a missing file or folder, …); for any other,
// `otherwise`, which says what could not be done.
std::string systemCause(int errorNumber, FileUse use, std::string_view otherwise);

// "1 comma", "14 commas": counts in messages read as English.
inline std::string countOf(long long count, std::string_view noun) {
  return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

// Either a value or the error that prevented it. value() and error() may only be asked for the
// alternative that ok() says is there.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(FileError error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return state_.index() == 0; }

  const T& value() const& { return std::get<0>(state_); }
  T& value() & { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }

  const FileError& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, FileError> state_;
};

}  // namespace vantoki
