# Every target of the project compiles with these warnings, as errors.
function(shiftpad_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion
                                             -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Werror)
  endif()
endfunction()
