#include "catalogue/profile.h"

#include <algorithm>
#include <cstring>

#include "core/editor_state.h"

namespace pfedit {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2) {
    const char first = value.front();
    if ((first == '"' || first == '\'') && value.back() == first) {
      return value.substr(1, value.size() - 2);
    }
  }
  return value;
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// FNV-1a over the lower-cased bytes, so that names equal without regard to
// case hash alike.
uint32_t HashIgnoreCase(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(LowerAscii(c));
    hash *= 16777619u;
  }
  return hash;
}

uint32_t EntryHash(uint32_t section, uint32_t key_hash) {
  uint32_t hash = key_hash ^ (section * 0x9E3779B1u);
  hash ^= hash >> 15;
  hash *= 0x85EBCA6Bu;
  hash ^= hash >> 13;
  return hash;
}

std::size_t TableSizeFor(std::size_t count) {
  std::size_t size = 16;
  while (size < count * 2) size *= 2;
  return size;
}

std::size_t Find(std::string_view text, char c, std::size_t from) {
  if (from >= text.size()) return kNone;
  const void* found = std::memchr(text.data() + from, c, text.size() - from);
  return found == nullptr ? kNone
                          : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

ProfileLine ParseProfileLine(std::string_view line) {
  ProfileLine parsed;
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  if (start == line.size()) return parsed;
  const char first = line[start];
  if (first == ';') return parsed;
  if (first == '[') {
    const std::size_t close = Find(line, ']', start + 1);
    const std::size_t end = close == kNone ? line.size() : close;
    parsed.kind = ProfileLine::kSection;
    parsed.name = TrimBlanks(line.substr(start + 1, end - start - 1));
    return parsed;
  }
  const std::size_t equals = Find(line, '=', start);
  if (equals == kNone) return parsed;
  parsed.kind = ProfileLine::kKey;
  parsed.name = TrimBlanks(line.substr(start, equals - start));
  parsed.value = Unquote(TrimBlanks(line.substr(equals + 1)));
  return parsed;
}

bool ProfileLineReader::Next(std::string_view* line) {
  if (pos_ >= text_.size()) return false;
  if (!cr_known_ || (next_cr_ != kNone && next_cr_ < pos_)) {
    next_cr_ = Find(text_, '\r', pos_);
    cr_known_ = true;
  }
  if (!lf_known_ || (next_lf_ != kNone && next_lf_ < pos_)) {
    next_lf_ = Find(text_, '\n', pos_);
    lf_known_ = true;
  }
  const std::size_t end = std::min(next_cr_, next_lf_);
  if (end == kNone) {
    *line = text_.substr(pos_);
    pos_ = text_.size();
    return true;
  }
  *line = text_.substr(pos_, end - pos_);
  pos_ = end + 1;
  if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  return true;
}

// ---------------------------------------------------------------------------

ProfileIndex::ProfileIndex(std::string_view text) {
  ProfileLineReader reader(text);
  std::string_view line;
  bool in_section = false;
  while (reader.Next(&line)) {
    const ProfileLine parsed = ParseProfileLine(line);
    if (parsed.kind == ProfileLine::kSection) {
      sections_.push_back({parsed.name, HashIgnoreCase(parsed.name)});
      if (!parsed.name.empty()) names_.push_back(parsed.name);
      in_section = true;
    } else if (parsed.kind == ProfileLine::kKey && in_section) {
      const auto section = static_cast<uint32_t>(sections_.size() - 1);
      entries_.push_back({parsed.name, parsed.value, section, HashIgnoreCase(parsed.name)});
    }
  }
  BuildTables();
}

void ProfileIndex::BuildTables() {
  section_slots_.assign(TableSizeFor(sections_.size()), 0);
  // A section whose name occurred before is shadowed: its keys are never found.
  std::vector<bool> shadowed(sections_.size(), false);
  const std::size_t section_mask = section_slots_.size() - 1;
  for (uint32_t i = 0; i < sections_.size(); ++i) {
    const Section& section = sections_[i];
    for (std::size_t slot = section.hash & section_mask;; slot = (slot + 1) & section_mask) {
      const uint32_t held = section_slots_[slot];
      if (held == 0) {
        section_slots_[slot] = i + 1;
        break;
      }
      const Section& other = sections_[held - 1];
      if (other.hash == section.hash && EqualsIgnoreCase(other.name, section.name)) {
        shadowed[i] = true;
        break;
      }
    }
  }

  entry_slots_.assign(TableSizeFor(entries_.size()), 0);
  const std::size_t entry_mask = entry_slots_.size() - 1;
  for (uint32_t i = 0; i < entries_.size(); ++i) {
    Entry& entry = entries_[i];
    if (shadowed[entry.section]) continue;
    entry.hash = EntryHash(entry.section, entry.hash);
    for (std::size_t slot = entry.hash & entry_mask;; slot = (slot + 1) & entry_mask) {
      const uint32_t held = entry_slots_[slot];
      if (held == 0) {
        entry_slots_[slot] = i + 1;
        break;
      }
      const Entry& other = entries_[held - 1];
      if (other.hash == entry.hash && other.section == entry.section &&
          EqualsIgnoreCase(other.key, entry.key)) {
        break;  // a later duplicate key: the first one wins
      }
    }
  }
}

std::optional<uint32_t> ProfileIndex::FindSection(std::string_view name, uint32_t hash) const {
  const std::size_t mask = section_slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const uint32_t held = section_slots_[slot];
    if (held == 0) return std::nullopt;
    const Section& section = sections_[held - 1];
    if (section.hash == hash && EqualsIgnoreCase(section.name, name)) return held - 1;
  }
}

std::optional<std::string_view> ProfileIndex::Find(std::string_view section,
                                                   std::string_view key) const {
  const std::optional<uint32_t> index = FindSection(section, HashIgnoreCase(section));
  if (!index) return std::nullopt;
  const uint32_t hash = EntryHash(*index, HashIgnoreCase(key));
  const std::size_t mask = entry_slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const uint32_t held = entry_slots_[slot];
    if (held == 0) return std::nullopt;
    const Entry& entry = entries_[held - 1];
    if (entry.hash == hash && entry.section == *index && EqualsIgnoreCase(entry.key, key)) {
      return entry.value;
    }
  }
}

// ---------------------------------------------------------------------------

std::vector<std::string_view> ProfileScan::SectionNames() const {
  std::vector<std::string_view> names;
  ProfileLineReader reader(text_);
  std::string_view line;
  while (reader.Next(&line)) {
    const ProfileLine parsed = ParseProfileLine(line);
    if (parsed.kind == ProfileLine::kSection && !parsed.name.empty()) names.push_back(parsed.name);
  }
  return names;
}

std::optional<std::string_view> ProfileScan::Find(std::string_view section,
                                                  std::string_view key) const {
  ProfileLineReader reader(text_);
  std::string_view line;
  bool inside = false;
  while (reader.Next(&line)) {
    const ProfileLine parsed = ParseProfileLine(line);
    if (parsed.kind == ProfileLine::kSection) {
      if (inside) return std::nullopt;  // only the first section of the name counts
      inside = EqualsIgnoreCase(parsed.name, section);
    } else if (inside && parsed.kind == ProfileLine::kKey && EqualsIgnoreCase(parsed.name, key)) {
      return parsed.value;
    }
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------------

std::size_t GetProfileSectionNames(const Profile& profile, std::size_t size, std::string* buffer) {
  buffer->assign(size, '\0');
  if (size < 2) return 0;
  std::size_t used = 0;
  std::size_t room = size - 1;
  for (const std::string_view name : profile.SectionNames()) {
    if (name.size() + 1 >= room) {
      buffer->replace(used, room - 1, name.substr(0, room - 1));
      return size - 2;
    }
    buffer->replace(used, name.size(), name);
    used += name.size() + 1;
    room -= name.size() + 1;
  }
  return used;
}

std::size_t GetProfileString(const Profile& profile, std::string_view section, std::string_view key,
                             std::string_view default_text, std::size_t size, std::string* buffer) {
  if (size == 0) {
    buffer->clear();
    return 0;
  }
  const std::optional<std::string_view> found = profile.Find(section, key);
  const std::string_view source = found ? *found : default_text;
  buffer->assign(source.substr(0, size - 1));
  return buffer->size();
}

bool ReadSectionNames(const Profile& profile, std::vector<std::string>* names, bool* overflow) {
  names->clear();
  *overflow = false;
  std::string buffer;
  const std::size_t length = GetProfileSectionNames(profile, kSectionNamesBufferSize, &buffer);
  if (length == 0) return false;
  std::size_t start = 0;
  while (start < buffer.size()) {
    std::size_t end = buffer.find('\0', start);
    if (end == std::string::npos) end = buffer.size();
    if (end == start) break;
    if (names->size() == kMaxModels) {
      *overflow = true;
      break;
    }
    names->emplace_back(buffer, start, end - start);
    start = end + 1;
  }
  return !names->empty() && names->front() != kProfileReadError;
}

bool ReadKey(const Profile& profile, std::string_view section, std::string_view key,
             std::string* value) {
  const std::size_t length =
      GetProfileString(profile, section, key, kProfileReadError, kProfileValueBufferSize, value);
  const std::size_t zero = value->find('\0');
  if (zero != std::string::npos) value->resize(zero);
  return length != 0 && !value->empty() && *value != kProfileReadError;
}

}  // namespace pfedit
