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
  // The atom's name as a buffer of `capacity` characters receives it (at most
  // capacity - 1 of them); empty when the atom has no name.
  virtual std::string NameOf(Atom atom, int capacity) = 0;
};

}  // namespace kx
