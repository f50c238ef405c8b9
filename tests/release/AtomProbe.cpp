// atom_probe NAME...: prints each name given that is a global atom, one a
// line. A resident Kaptorix_Key holds one atom per hot key while it runs.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  for (int i = 1; i < argc; ++i) {
    if (::GlobalFindAtomW(argv[i]) != 0) std::printf("%ls\n", argv[i]);
  }
  return 0;
}
