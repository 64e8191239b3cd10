#include "io/file_error.h"

#include <cerrno>

namespace vantoki {

std::string systemCause(int errorNumber, FileUse use, std::string_view otherwise) {
  const bool reading = use == FileUse::Reading;
  switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:
      return reading ? "読み込みが許可されていません" : "書き込みが許可されていません";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return "ディスクの空きが足りません";
    case ENOENT:
      return reading ? "ファイルが見つかりません" : "保存先のフォルダーが見つかりません";
    case ENOTDIR:
      // A file stands where the path needs a folder: nothing is missing that the player could
      // make, the file is in the way.
      return reading ? "ファイルが見つかりません" : "保存先のフォルダーの場所にファイルがあります";
    case ENAMETOOLONG:
      return "ファイル名が長すぎます";
    case ELOOP:
      return "シンボリックリンクが循環しています";
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
      return "ファイルが使用中です";
    case EIO:
      return "ディスクの読み書きに失敗しました";
    case ENOMEM:
      return "メモリーが足りません";
    case EMFILE:
    case ENFILE:
      return "開いているファイルが多すぎます";
    default:
      return std::string(otherwise);
  }
}

}  // namespace vantoki
