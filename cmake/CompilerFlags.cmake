# Warnings and source settings, each in the spelling of the compiler that understands it
# (MSVC is also set for clang-cl, which takes MSVC's options).
if(MSVC)
  # The sources are UTF-8, identifiers and Catalan strings alike.
  add_compile_options(/W4 /utf-8)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)
endif()
