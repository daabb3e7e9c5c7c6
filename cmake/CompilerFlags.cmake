# Source settings for every target, and the project's warnings as a target of their own that each
# of the project's targets links, each in the spelling of the compiler that understands it (MSVC is
# also set for clang-cl, which takes MSVC's options).
if(MSVC)
  # The sources are UTF-8, identifiers and Catalan strings alike.
  add_compile_options(/utf-8)
endif()

add_library(conjugacio_warnings INTERFACE)
if(MSVC)
  target_compile_options(conjugacio_warnings INTERFACE /W4)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(conjugacio_warnings INTERFACE -Wall -Wextra -Wno-missing-field-initializers)
endif()
