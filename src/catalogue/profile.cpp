#include "catalogue/profile.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <random>

#include "core/ascii.h"
#include "core/records.h"
#include "core/text_services.h"

namespace pfedit {

namespace {

constexpr std::size_t kNone = std::string_view::npos;
// Eight bytes at once: a one in each byte, and the top bit of each byte.
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

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

uint64_t Load8(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

uint64_t Load4(const char* at) {
  uint32_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// Capitals A to Z of eight bytes at once turned into small letters; every
// other byte, bytes from 0x80 up included, stays as it is, so that exactly the
// names that are equal without regard to ASCII case fold alike.
uint64_t FoldCase(uint64_t word) {
  const uint64_t low7 = word & ~kHighBits;
  // Bit 7 of each byte: set when the low seven bits are above 'Z', resp. at
  // least 'A'. Neither sum carries into the next byte.
  const uint64_t above_z = low7 + kOnes * (0x7F - 'Z');
  const uint64_t from_a = low7 + kOnes * (0x80 - 'A');
  const uint64_t capital = (from_a ^ above_z) & ~word & kHighBits;
  return word | (capital >> 2);  // bit 7 shifted to bit 5, 0x20
}

// Names in a file are chosen by whoever wrote it. With a seed of its own for
// every run of the program, names that were made to fall into one chain of
// the tables in one run are spread like any others in the next.
uint64_t HashSeed() {
  static const uint64_t seed = [] {
    uint64_t value =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
      std::random_device device;
      value ^= (uint64_t{device()} << 32) ^ device();
    } catch (...) {
      // No entropy source: the clock alone still differs from run to run.
    }
    return value;
  }();
  return seed;
}

// A hash of eight bytes at a time in which names equal without regard to
// ASCII case hash alike. The last bytes are read as whole words that may
// overlap the ones before; short names are read whole.
uint32_t HashIgnoreCase(std::string_view text, uint64_t seed) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  const char* const data = text.data();
  const std::size_t size = text.size();
  uint64_t hash = seed ^ (size * kMultiplier);
  const auto mix = [&hash](uint64_t word) {
    hash = (hash ^ FoldCase(word)) * kMultiplier;
    hash ^= hash >> 32;
  };
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) mix(Load8(data + at));
    mix(Load8(data + size - 8));
  } else if (size >= 4) {
    mix(Load4(data) | (Load4(data + size - 4) << 32));
  } else if (size > 0) {
    const auto byte = [data](std::size_t at) {
      return uint64_t{static_cast<unsigned char>(data[at])};
    };
    mix(byte(0) | (byte(size / 2) << 8) | (byte(size - 1) << 16));
  }
  // Spread every byte over every bit: the tables take their slot from the high
  // bits, the section table compares the whole hash first.
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDull;
  hash ^= hash >> 33;
  return static_cast<uint32_t>(hash);
}

// Tables are kept at most half full, so that a name that is missing (the
// reader ends every numbered family with one) passes few slots. A table of
// any size takes a slot from the high bits of the hash by one multiplication.
uint32_t TableSize(std::size_t count) {
  return static_cast<uint32_t>(2 * count + 1);
}

// Linear probing over a table whose slots hold index + 1 (0 is free): the
// slot holding an index that matches, or the free slot where the probe
// ended. Adds the slots it passed to `steps`.
template <typename Matches>
uint32_t ProbeSlot(const uint32_t* slots, uint32_t size, uint32_t hash, Matches matches,
                   std::size_t& steps) {
  uint32_t slot = static_cast<uint32_t>((uint64_t{hash} * size) >> 32);
  while (slots[slot] != 0 && !matches(slots[slot] - 1)) {
    ++steps;
    if (++slot == size) slot = 0;
  }
  return slot;
}

uint64_t Repeated(char c) {
  return kOnes * static_cast<unsigned char>(c);
}

// Non-zero when one of the eight bytes is zero: a zero byte keeps its top bit
// set after one is subtracted from every byte.
uint64_t ZeroByte(uint64_t word) {
  return (word - kOnes) & ~word & kHighBits;
}

bool HasLineEnd(uint64_t word) {
  return (ZeroByte(word ^ Repeated('\n')) | ZeroByte(word ^ Repeated('\r'))) != 0;
}

// Where the line that goes on at `from` ends: its CR or LF, or the end of the
// text. One pass for both line ends (two searches would rescan a text that
// uses only one of them), eight bytes at a time up to the word that holds one.
std::size_t LineEnd(std::string_view text, std::size_t from) {
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t end = from;
  while (end + 8 <= size && !HasLineEnd(Load8(data + end))) end += 8;
  while (end < size && data[end] != '\n' && data[end] != '\r') ++end;
  return end;
}

// Where the line after the one ending at `end` starts: CR LF is one line end.
std::size_t NextLineStart(std::string_view text, std::size_t end) {
  if (end >= text.size()) return text.size();
  return end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
}

// Profile lines and values are short: eight bytes at a time up to the word
// that holds the byte beats a library call.
std::size_t Find(std::string_view text, char c, std::size_t from) {
  const char* const data = text.data();
  std::size_t at = from;
  while (at + 8 <= text.size() && ZeroByte(Load8(data + at) ^ Repeated(c)) == 0) at += 8;
  for (; at < text.size(); ++at) {
    if (data[at] == c) return at;
  }
  return kNone;
}

// The name of a header line whose first non-blank character, at `start`, is
// '[': up to the first ']' or the end of the line, trimmed.
std::string_view HeaderName(std::string_view line, std::size_t start) {
  const std::size_t close = Find(line, ']', start + 1);
  const std::size_t end = close == kNone ? line.size() : close;
  return Trim(line.substr(start + 1, end - start - 1));
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;  // the usual case: spelled alike
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
    parsed.kind = ProfileLine::kSection;
    parsed.name = HeaderName(line, start);
    return parsed;
  }
  const std::size_t equals = Find(line, '=', start);
  if (equals == kNone) return parsed;
  parsed.kind = ProfileLine::kKey;
  parsed.name = Trim(line.substr(start, equals - start));
  parsed.value = Unquote(Trim(line.substr(equals + 1)));
  return parsed;
}

bool ProfileLineReader::Next(std::string_view* line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t end = LineEnd(text_, pos_);
  *line = text_.substr(pos_, end - pos_);
  pos_ = end < text_.size() ? NextLineStart(text_, end) : end + 1;
  return true;
}

// ---------------------------------------------------------------------------

ProfileIndex::ProfileIndex(std::string_view text)
    : text_(text.substr(0, std::numeric_limits<uint32_t>::max())), seed_(HashSeed()) {
  // Only the headers now, found by their '[': the key lines of a section are
  // read when it is first asked for.
  const char* const data = text_.data();
  const std::size_t size = text_.size();
  std::size_t from = 0;
  while (from < size) {
    const void* found = std::memchr(data + from, '[', size - from);
    if (found == nullptr) break;
    const std::size_t bracket = static_cast<std::size_t>(static_cast<const char*>(found) - data);
    // A header when only blanks stand between the start of its line and the
    // '['. Blanks are walked back only down to `from`, each once.
    std::size_t line_at = bracket;
    while (line_at > from && IsBlank(data[line_at - 1])) --line_at;
    if (line_at > 0 && data[line_at - 1] != '\n' && data[line_at - 1] != '\r') {
      from = bracket + 1;
      continue;
    }
    const std::size_t end = LineEnd(text_, bracket);
    if (!sections_.empty()) {
      sections_.back().body_size = static_cast<uint32_t>(line_at) - sections_.back().body_at;
    }
    const std::string_view name =
        HeaderName(text_.substr(line_at, end - line_at), bracket - line_at);
    Section section;
    section.name_at = static_cast<uint32_t>(name.data() - data);
    section.name_size = static_cast<uint32_t>(name.size());
    section.hash = HashIgnoreCase(name, seed_);
    from = NextLineStart(text_, end);
    section.body_at = static_cast<uint32_t>(from);
    sections_.push_back(section);
  }
  if (!sections_.empty()) {
    sections_.back().body_size = static_cast<uint32_t>(size) - sections_.back().body_at;
  }

  // A name that occurred before is shadowed: its section is never found.
  section_slots_.assign(TableSize(sections_.size()), 0);
  for (uint32_t i = 0; i < sections_.size(); ++i) {
    const Section& section = sections_[i];
    const std::string_view name = Name(section);
    const uint32_t slot = ProbeSlot(
        section_slots_.data(), static_cast<uint32_t>(section_slots_.size()), section.hash,
        [&](uint32_t held) {
          return sections_[held].hash == section.hash &&
                 EqualsIgnoreCase(Name(sections_[held]), name);
        },
        probes_);
    if (section_slots_[slot] == 0) section_slots_[slot] = i + 1;
  }
}

std::vector<std::string_view> ProfileIndex::SectionNames() const {
  std::vector<std::string_view> names;
  for (const Section& section : sections_) {
    if (section.name_size != 0) names.push_back(Name(section));
  }
  return names;
}

const ProfileIndex::Section& ProfileIndex::Built(uint32_t index) const {
  Section& section = sections_[index];
  if (section.built) return section;
  // A reader goes from one section to the next: the buffers then hold the
  // latest section alone, small and in the cache. Once sections were read
  // again so often that the work reaches twice the text, every section read
  // stays, so that lookups in any order cost no more than three readings.
  built_bytes_ += section.body_size;
  if (built_bytes_ > 2 * std::size_t{text_.size()} + 4096) keep_all_ = true;
  if (!keep_all_) {
    if (scratch_) sections_[*scratch_].built = false;
    entries_.clear();
    key_slots_.clear();
    scratch_ = index;
  }

  section.first_entry = static_cast<uint32_t>(entries_.size());
  const auto at = [this](std::string_view part) {
    return static_cast<uint32_t>(part.data() - text_.data());
  };
  ProfileLineReader reader(text_.substr(section.body_at, section.body_size));
  std::string_view line;
  while (reader.Next(&line)) {
    const ProfileLine parsed = ParseProfileLine(line);
    if (parsed.kind != ProfileLine::kKey) continue;
    entries_.push_back({at(parsed.name), static_cast<uint32_t>(parsed.name.size()),
                        at(parsed.value), static_cast<uint32_t>(parsed.value.size()),
                        HashIgnoreCase(parsed.name, seed_)});
  }
  section.entry_count = static_cast<uint32_t>(entries_.size()) - section.first_entry;

  section.slot_count = TableSize(section.entry_count);
  section.first_slot = static_cast<uint32_t>(key_slots_.size());
  key_slots_.resize(key_slots_.size() + section.slot_count, 0);
  uint32_t* const slots = key_slots_.data() + section.first_slot;
  for (uint32_t e = section.first_entry; e < section.first_entry + section.entry_count; ++e) {
    const Entry& entry = entries_[e];
    const std::string_view key = Key(entry);
    const uint32_t slot = ProbeSlot(
        slots, section.slot_count, entry.hash,
        [&](uint32_t held) {
          return entries_[held].hash == entry.hash && EqualsIgnoreCase(Key(entries_[held]), key);
        },
        probes_);
    if (slots[slot] == 0) slots[slot] = e + 1;  // else a later duplicate: the first wins
  }
  section.built = true;
  return section;
}

std::optional<uint32_t> ProfileIndex::FindSection(std::string_view name) const {
  // The reader asks for the keys of one section after the other.
  if (last_index_ && name == last_section_) return last_index_;
  const uint32_t hash = HashIgnoreCase(name, seed_);
  std::size_t steps = 0;
  const uint32_t slot = ProbeSlot(
      section_slots_.data(), static_cast<uint32_t>(section_slots_.size()), hash,
      [&](uint32_t held) {
        return sections_[held].hash == hash && EqualsIgnoreCase(Name(sections_[held]), name);
      },
      steps);
  if (section_slots_[slot] == 0) return std::nullopt;
  last_section_.assign(name);
  last_index_ = section_slots_[slot] - 1;
  return last_index_;
}

std::optional<std::string_view> ProfileIndex::Find(std::string_view section,
                                                   std::string_view key) const {
  const std::optional<uint32_t> index = FindSection(section);
  if (!index) return std::nullopt;
  const Section& found = Built(*index);
  const uint32_t* const slots = key_slots_.data() + found.first_slot;
  const uint32_t hash = HashIgnoreCase(key, seed_);
  std::size_t steps = 0;
  const uint32_t slot = ProbeSlot(
      slots, found.slot_count, hash,
      [&](uint32_t held) {
        return entries_[held].hash == hash && EqualsIgnoreCase(Key(entries_[held]), key);
      },
      steps);
  if (slots[slot] == 0) return std::nullopt;
  return Value(entries_[slots[slot] - 1]);
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

std::optional<std::string_view> ReadKey(const Profile& profile, std::string_view section,
                                        std::string_view key) {
  const std::optional<std::string_view> found = profile.Find(section, key);
  if (!found) return std::nullopt;
  std::string_view value = found->substr(0, kProfileValueBufferSize - 1);
  value = value.substr(0, Find(value, '\0', 0));
  if (value.empty() || value == kProfileReadError) return std::nullopt;
  return value;
}

}  // namespace pfedit
