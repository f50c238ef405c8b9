#pragma once
// The system's global atom table, as the hot key registry uses it.

#include <cstdint>
#include <string>

namespace kx {

using Atom = std::uint16_t;

class AtomTable {
 public:
  virtual ~AtomTable() = default;
  // The atom of that name, or 0 when there is none.
  virtual Atom Find(const std::string& name) = 0;
  // Adds the name (or counts one more use of it); 0 when that fails.
  virtual Atom Add(const std::string& name) = 0;
  virtual void Delete(Atom atom) = 0;
};

}  // namespace kx
