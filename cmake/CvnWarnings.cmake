# Warnings are private options of our own targets, never global flags.
function(cvn_target_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wcast-qual -Wformat=2 -Wundef)
  if(CVN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
