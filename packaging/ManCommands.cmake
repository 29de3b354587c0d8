# cmake -DPROGRAM=... -DOUTPUT=... -P ManCommands.cmake
# Writes a help2man include file with a COMMANDS section: each subcommand that the program's
# --help lists, with that subcommand's own --help (less the footer every help repeats).

function(run_help out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help
                  OUTPUT_VARIABLE text RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help exited ${status}: ${errors}")
  endif()
  string(STRIP "${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Roff: a backslash is \e, a minus is \- (so options copy as typed), and a line may not
# start with a control character.
function(roff_lines text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

run_help(main_help)
# The footer: the main help's last paragraph.
string(FIND "${main_help}" "\n\n" last_break REVERSE)
math(EXPR footer_start "${last_break} + 2")
string(SUBSTRING "${main_help}" ${footer_start} -1 footer)

# The subcommands: the first word of each line under "Subcommands:" up to a blank line.
if(NOT main_help MATCHES "\nSubcommands:\n(([^\n]+\n?)+)")
  message(FATAL_ERROR "${PROGRAM} --help lists no subcommands")
endif()
string(REGEX MATCHALL "(^|\n)  [A-Za-z0-9][A-Za-z0-9-]*" names "${CMAKE_MATCH_1}")

set(include "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  run_help(help ${name})
  string(LENGTH "${footer}" footer_length)
  string(LENGTH "${help}" help_length)
  if(help_length GREATER footer_length)
    math(EXPR keep "${help_length} - ${footer_length}")
    string(SUBSTRING "${help}" ${keep} -1 tail)
    if(tail STREQUAL footer)
      string(SUBSTRING "${help}" 0 ${keep} help)
      string(STRIP "${help}" help)
    endif()
  endif()
  roff_lines("${help}" help)
  string(APPEND include ".SS ${name}\n.nf\n${help}\n.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${include}")
