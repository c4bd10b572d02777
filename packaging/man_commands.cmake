# Writes a help2man include with the usage and options of every chanforge-cli command, taken
# from the program's own --help. Usage: cmake -DCLI=<program> -DOUTPUT=<file> -P man_commands.cmake
function(roff_escape text out_var)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  # A line starting with a dot or quote would be read as a request.
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE main_help COMMAND_ERROR_IS_FATAL ANY)
string(FIND "${main_help}" "\nSubcommands:\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${CLI} --help lists no subcommands")
endif()
string(SUBSTRING "${main_help}" ${at} -1 listing)
string(REGEX MATCHALL "\n  [a-z0-9-]+" names "${listing}")

# The footer every command's help repeats from the program's stands once, in its page.
string(FIND "${main_help}" "\n\n" footer_at REVERSE)
string(SUBSTRING "${main_help}" ${footer_at} -1 footer)
string(STRIP "${footer}" footer)

set(page "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND ${CLI} ${name} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
  # What it does (and maybe a note), "Usage: <path> <name> ...", then its arguments.
  string(FIND "${help}" "\nUsage: " at)
  if(at EQUAL -1 OR NOT help MATCHES "\nUsage: [^\n]* ${name}( [^\n]*)?\n\n(.*)$")
    message(FATAL_ERROR "Unexpected help of '${name}':\n${help}")
  endif()
  string(STRIP "${CMAKE_MATCH_1}" usage)
  string(STRIP "${CMAKE_MATCH_2}" arguments)
  string(REPLACE "${footer}" "" arguments "${arguments}")
  string(STRIP "${arguments}" arguments)
  string(SUBSTRING "${help}" 0 ${at} purpose)
  string(REGEX REPLACE " *\n+" "\n" purpose "${purpose}")
  roff_escape("${purpose}" purpose)
  roff_escape("${usage}" usage)
  roff_escape("${arguments}" arguments)
  string(APPEND page ".SS \"${name} ${usage}\"\n${purpose}\n.PP\n.nf\n${arguments}\n.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${page}")
