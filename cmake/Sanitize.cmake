# -DCONJUGACIO_SANITIZE=ON builds everything (libraries, program, tools and tests) with
# AddressSanitizer and UndefinedBehaviorSanitizer. Undefined behaviour stops the program at the
# first report instead of printing and going on. The standard library's own checks are switched on
# too: an index past the end of one of the board's arrays lands inside the same object, where
# AddressSanitizer cannot see it.
option(CONJUGACIO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(CONJUGACIO_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang|AppleClang)$")
    message(FATAL_ERROR "CONJUGACIO_SANITIZE needs GCC or Clang; this compiler is ${CMAKE_CXX_COMPILER_ID}")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined)
endif()
