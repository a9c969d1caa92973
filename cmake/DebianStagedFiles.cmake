# Run by CPack on the staged install: Debian keeps the binaries of games in /usr/games, while
# an install into a prefix keeps the usual bin/. Like Debian's own packages, the binary also
# loses the compilers' version notes.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/pipwright ${usr}/games/pipwright)
file(GLOB others ${usr}/bin/*)
if(NOT others)
  file(REMOVE_RECURSE ${usr}/bin)
endif()
execute_process(COMMAND ${CPACK_PIPWRIGHT_STRIP} --remove-section=.comment ${usr}/games/pipwright
                COMMAND_ERROR_IS_FATAL ANY)
