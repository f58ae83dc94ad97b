#include "document/game_file_io.h"

#include <span>

#include "platform/file.h"

namespace kestravane {

namespace {

constexpr DocumentBlock Blocks[] = {DocumentBlock::Game, DocumentBlock::Quadrant, DocumentBlock::Scanner};

DocumentFailure SystemFailure(Text text, const std::string& path, const platform::File& file) {
  return {MakeMessage(text, path, file.error())};
}

}  // namespace

std::optional<DocumentFailure> WriteGameDocument(const std::string& path, const GameFileBytes& bytes) {
  platform::File file;
  if (!file.CreateReplacement(path)) return SystemFailure(Text::CreateFailed, path, file);
  if (!file.Rewind()) return SystemFailure(Text::RewindFailed, path, file);
  if (!file.Write(bytes.data(), HeaderSize)) return SystemFailure(Text::HeaderWriteFailed, path, file);
  for (const DocumentBlock block : Blocks) {
    if (!file.Write(&bytes[BlockOffset(block)], BlockSize(block)))
      return DocumentFailure{MakeMessage(Text::BlockWriteFailed, path, BlockName(block), file.error())};
  }
  if (!file.Flush()) return SystemFailure(Text::FlushFailed, path, file);
  if (!file.Close()) return SystemFailure(Text::CloseFailed, path, file);
  // The new content has gone with the failure: the player is shown the
  // document, and the file it stands for when it is a link.
  if (!file.Commit()) {
    return DocumentFailure{MakeMessage(Text::RenameFailed, path, file.target(), file.error())};
  }
  return std::nullopt;
}

std::variant<LoadedGame, DocumentFailure> ReadGameDocument(const std::string& path) {
  platform::File file;
  if (!file.OpenForReading(path)) return SystemFailure(Text::OpenFailed, path, file);
  if (!file.Rewind()) return SystemFailure(Text::RewindFailed, path, file);

  // Reading stops at the first block that does not come whole; the checks
  // then name it.
  GameFileBytes bytes{};
  std::size_t got = 0;
  if (!file.Read(bytes.data(), HeaderSize)) return SystemFailure(Text::HeaderReadFailed, path, file);
  got = HeaderSize;
  for (const DocumentBlock block : Blocks) {
    if (!file.Read(&bytes[BlockOffset(block)], BlockSize(block))) break;
    got = BlockOffset(block) + BlockSize(block);
  }

  auto decoded = DecodeGameFile(std::span<const std::uint8_t>(bytes.data(), got));
  if (const DocumentFault* fault = std::get_if<DocumentFault>(&decoded))
    return DocumentFailure{FaultMessage(*fault, path, file.error())};
  if (!file.Close()) return SystemFailure(Text::CloseFailed, path, file);
  return std::get<LoadedGame>(std::move(decoded));
}

}  // namespace kestravane
