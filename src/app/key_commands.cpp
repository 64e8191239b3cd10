#include "app/key_commands.h"

#include <QKeySequence>
#include <QString>

#include <utility>
#include <vector>

namespace vantoki {
namespace {

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier;

std::vector<std::pair<QKeyCombination, const Command*>> keysOfCommands() {
  std::vector<std::pair<QKeyCombination, const Command*>> keys;
  for (const Command& command : mainWindowCommands()) {
    for (const std::string_view key : command.keys) {
      if (!key.empty()) {
        const QKeySequence sequence = QKeySequence::fromString(
            QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())),
            QKeySequence::PortableText);
        keys.emplace_back(sequence[0], &command);
      }
    }
  }
  return keys;
}

}  // namespace

const Command* commandForKey(int key, Qt::KeyboardModifiers modifiers) {
  static const std::vector<std::pair<QKeyCombination, const Command*>> kKeys = keysOfCommands();
  const QKeyCombination pressed(modifiers & kChordModifiers, static_cast<Qt::Key>(key));
  for (const auto& [combination, command] : kKeys) {
    if (combination == pressed) {
      return command;
    }
  }
  return nullptr;
}

}  // namespace vantoki
