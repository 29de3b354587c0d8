# ASan + UBSan for the whole build; the first error ends the process.
if(BREVANT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
  # The instrumentation makes GCC's flow analysis report uninitialised values inside the
  # standard library (std::regex, std::function); the plain build still checks our code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
endif()
