# Warnings and source settings, each in the spelling of the compiler that understands it
# (MSVC is also set for clang-cl, which takes MSVC's options).
if(MSVC)
  # The sources are UTF-8, identifiers and Catalan strings alike.
  add_compile_options(/W4 /utf-8)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)
endif()

# Relative relocations packed (DT_RELR, glibc 2.36 and later): the program's tables of pointers
# need far fewer pages of relocation records read at start-up.
include(CheckLinkerFlag)
check_linker_flag(CXX "-Wl,-z,pack-relative-relocs" CONJUGACIO_PACKED_RELOCATIONS)
if(CONJUGACIO_PACKED_RELOCATIONS)
  add_link_options("-Wl,-z,pack-relative-relocs")
endif()
