// The unit table: which stream or file each unit number stands for.
#include "engine/globals/units.h"

#include <fstream>
#include <istream>
#include <ostream>

namespace engine {

struct Units::Entry {
  std::unique_ptr<std::fstream> file;  // set when the unit owns a named file
  std::unique_ptr<format::RecordSource> source;
  std::unique_ptr<format::RecordSink> sink;
  std::ostream* out = nullptr;
};

Units::Units() = default;
Units::~Units() {
  flush();
}

void Units::attachInput(int unit, std::istream& in) {
  auto entry = std::make_unique<Entry>();
  entry->source = std::make_unique<format::RecordSource>(in);
  units_[unit] = std::move(entry);
}

void Units::attachOutput(int unit, std::ostream& out) {
  auto entry = std::make_unique<Entry>();
  entry->sink = std::make_unique<format::RecordSink>(out);
  entry->out = &out;
  units_[unit] = std::move(entry);
}

bool Units::openInput(int unit, const std::string& path) {
  close(unit);
  auto file = std::make_unique<std::fstream>(path, std::ios::in | std::ios::binary);
  if (!*file) return false;
  auto entry = std::make_unique<Entry>();
  entry->source = std::make_unique<format::RecordSource>(*file);
  entry->file = std::move(file);
  units_[unit] = std::move(entry);
  return true;
}

bool Units::openOutput(int unit, const std::string& path) {
  close(unit);
  auto file =
      std::make_unique<std::fstream>(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!*file) return false;
  auto entry = std::make_unique<Entry>();
  entry->sink = std::make_unique<format::RecordSink>(*file);
  entry->out = file.get();
  entry->file = std::move(file);
  units_[unit] = std::move(entry);
  return true;
}

void Units::close(int unit) {
  auto it = units_.find(unit);
  if (it == units_.end()) return;
  if (it->second->out) it->second->out->flush();
  units_.erase(it);
}

format::RecordSource* Units::source(int unit) {
  auto it = units_.find(unit);
  return it == units_.end() ? nullptr : it->second->source.get();
}

format::RecordSink* Units::sink(int unit) {
  auto it = units_.find(unit);
  return it == units_.end() ? nullptr : it->second->sink.get();
}

void Units::flush() {
  for (auto& [unit, entry] : units_)
    if (entry->out) entry->out->flush();
}

}  // namespace engine
