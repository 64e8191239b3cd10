#include "io/record_syntax.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "io/atomic_write.h"
#include "io/cp932.h"
#include "io/unique_fd.h"

namespace vantoki {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Far above any real record (a move record has 501 characters, a name a few dozen), so only a
// file that holds no records at all is refused; without a limit, one endless line would take all
// memory. Writing keeps to the same limit, so the program never writes a file it then refuses.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

// Collects the values of lines as their bytes arrive, whatever the chunk boundaries.
class RecordCollector {
 public:
  explicit RecordCollector(std::size_t count) : count_(count) {}

  bool complete() const { return records_.size() == count_; }
  bool overlong() const { return line_.size() > kMaxLineBytes; }
  // Counted from 1, as an editor shows it.
  int currentLineNumber() const { return static_cast<int>(records_.size()) + 1; }

  // Takes bytes until the records are complete or the current line is too long; the rest of the
  // chunk is never looked at, except an LF that completes the CR LF of the last record.
  void take(std::string_view chunk) {
    for (const char byte : chunk) {
      const bool afterCr = afterCr_;
      if (overlong() || (complete() && !(afterCr && byte == '\n'))) {
        return;
      }
      afterCr_ = byte == '\r';
      if (afterCr && byte == '\n') {
        if (emptyLineAfterLoneCr_) {
          records_.back().afterStrayCr = true;
        }
        continue;
      }
      if (byte == '\r' || byte == '\n') {
        endLine();
        // A line end directly after a CR that no LF followed: this line is empty.
        emptyLineAfterLoneCr_ = afterCr;
      } else {
        line_.push_back(byte);
      }
    }
  }

  // A last line without a line end is still a record; nothing after the final line end is one.
  std::vector<Record> finish() && {
    if (!line_.empty() && !complete()) {
      endLine();
    }
    return std::move(records_);
  }

 private:
  void endLine() {
    const Field field = readField(line_);
    records_.push_back({decodeCp932(field.value), field.unquoted});
    line_.clear();
  }

  std::size_t count_;
  std::vector<Record> records_;
  std::string line_;
  bool afterCr_ = false;
  bool emptyLineAfterLoneCr_ = false;
};

FileError cannotOpen(const std::filesystem::path& path, int error) {
  return fileError(path, "cannot open: " + systemReason(error),
                   systemCause(error, FileUse::Reading, "ファイルを開けません"));
}

// Nothing in a record is escaped, so a line break inside a name would split it into two records
// and shift every record after it; it is written as a space instead.
std::string withoutLineBreaks(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace

std::optional<FileError> writeRecords(const std::filesystem::path& path,
                                      std::span<const std::string> texts) {
  std::string bytes;
  for (std::size_t index = 0; index < texts.size(); ++index) {
    const std::string line = '"' + encodeCp932(withoutLineBreaks(texts[index])) + '"';
    if (line.size() > kMaxLineBytes) {
      return fileError(
          path, static_cast<int>(index) + 1,
          "would be longer than " + std::to_string(kMaxLineBytes) +
              " bytes, more than a line may hold",
          "長すぎて保存できません（1行" + std::to_string(kMaxLineBytes) + "バイトまでです）");
    }
    bytes += line;
    bytes += kLineEnd;
  }
  return writeFileAtomically(path, bytes);
}

Result<std::vector<Record>> readRecords(const std::filesystem::path& path, std::size_t count) {
  // Without O_NONBLOCK, opening a FIFO waits for a writer, for ever, before fstat could refuse it.
  const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) {
    return cannotOpen(path, errno);
  }
  struct stat status {};
  if (fstat(fd.get(), &status) != 0) {
    return cannotOpen(path, errno);
  }
  // Only a regular file ends: a device or a pipe could feed one endless line.
  if (S_ISDIR(status.st_mode)) {
    return fileError(path, "is a folder, not a file", "フォルダーです。ファイルを選んでください");
  }
  if (!S_ISREG(status.st_mode)) {
    return fileError(path, "is not a regular file", "通常のファイルではありません");
  }
  // A file on a share with mandatory locks could refuse a non-blocking read with EAGAIN.
  const int flags = fcntl(fd.get(), F_GETFL);
  if (flags < 0 || fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return cannotOpen(path, errno);
  }

  RecordCollector collector(count);
  std::array<char, 65536> chunk{};
  while (!collector.complete()) {
    const ssize_t got = read(fd.get(), chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      const int error = errno;
      return fileError(path, "cannot read: " + systemReason(error),
                       systemCause(error, FileUse::Reading, "ファイルを読み込めません"));
    }
    if (got == 0) {
      break;
    }
    collector.take(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
    if (collector.overlong()) {
      return fileError(path, collector.currentLineNumber(),
                       "longer than " + std::to_string(kMaxLineBytes) +
                           " bytes; no record is anywhere near that long",
                       "長すぎます。このゲームのファイルではないようです");
    }
  }
  std::vector<Record> records = std::move(collector).finish();
  if (records.size() < count) {
    return fileError(path,
                     "the file has " + countOf(static_cast<long long>(records.size()), "line") +
                         ", " + std::to_string(count) + " expected",
                     "ファイルが途中で終わっています（" + std::to_string(records.size()) +
                         "行しかありません。" + std::to_string(count) + "行のはずです）");
  }
  return records;
}

std::optional<FileError> strayCrError(const std::filesystem::path& path,
                                      std::span<const Record> records) {
  const auto stray = std::find_if(records.begin(), records.end(),
                                  [](const Record& record) { return record.afterStrayCr; });
  if (stray == records.end()) {
    return std::nullopt;
  }
  // The line before the empty one is where the stray CR sits; lines count from 1.
  return fileError(path, static_cast<int>(stray - records.begin()),
                   "ends in CR CR LF; the extra CR ends a line of its own and moves every "
                   "later line down by one",
                   "行末が CR CR LF なので、後の行がすべて1行ずつずれています");
}

Field readField(std::string_view line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    return {};
  }
  const std::string_view field = line.substr(start);
  if (field.front() == '"') {
    const std::string_view quoted = field.substr(1);
    return {quoted.substr(0, quoted.rfind('"')), false};
  }
  return {field.substr(0, field.find(',')), true};
}

}  // namespace vantoki
