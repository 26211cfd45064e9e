# Run by cpack once the packages are made. CPack lists the files of the
# debugging-symbols package by the folder it staged them in; that package is
# made again with the paths dpkg checks (inside the package), so that its
# checksums are right and two packagings give the same bytes.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.ddeb$")
    continue()
  endif()
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${package}" "${tree}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot unpack ${package}")
  endif()
  file(STRINGS "${tree}/DEBIAN/md5sums" lines)
  set(sums "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^([0-9a-f]+)  .*/(usr/lib/debug/)" "\\1  \\2" line "${line}")
    string(APPEND sums "${line}\n")
  endforeach()
  file(WRITE "${tree}/DEBIAN/md5sums" "${sums}")
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${tree}" "${package}"
                  OUTPUT_QUIET RESULT_VARIABLE failed)
  file(REMOVE_RECURSE "${tree}")
  if(failed)
    message(FATAL_ERROR "cannot make ${package} again")
  endif()
endforeach()
