// What goes wrong with a file, as a value. Every reader and writer in io/ reports failure this
// way instead of throwing, so the shell can show the message and carry on.
//
// A message is one line of English for the user: it names the file, for read failures the line,
// and what is wrong ("stagedata/a.vkst: line 20: row 2 of stage 2 has 14 commas, 15 expected").
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>

namespace vantoki {

struct FileError {
  std::string message;

  friend bool operator==(const FileError&, const FileError&) = default;
};

inline FileError fileError(const std::filesystem::path& path, std::string_view what) {
  return FileError{path.string() + ": " + std::string(what)};
}

inline FileError fileError(const std::filesystem::path& path, int line, std::string_view what) {
  return fileError(path, "line " + std::to_string(line) + ": " + std::string(what));
}

// The system's words for an errno value ("No such file or directory"), to end a message with.
inline std::string systemReason(int errorNumber) {
  return std::generic_category().message(errorNumber);
}

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
