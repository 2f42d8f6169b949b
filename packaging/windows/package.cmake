# Run by the package-windows target: the folder, the zip and the setup program in
# BINARY_DIR/package/, each program stripped, and signed when a certificate is given.
set(out "${BINARY_DIR}/package")
set(folder "${out}/${NAME}")
file(REMOVE_RECURSE "${out}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BINARY_DIR}" --prefix "${folder}" --strip
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# Qt's libraries and the runtime come with their symbols: more than half their size.
file(GLOB_RECURSE libraries "${folder}/*.dll")
foreach(library IN LISTS libraries)
  execute_process(COMMAND "${STRIP}" --strip-unneeded "${library}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

function(sign file)
  if(SIGNING_CERT STREQUAL "")
    return()
  endif()
  if(NOT OSSLSIGNCODE)
    message(FATAL_ERROR "A signing certificate was given, but osslsigncode is missing")
  endif()
  execute_process(COMMAND "${OSSLSIGNCODE}" sign -certs "${SIGNING_CERT}" -key "${SIGNING_KEY}"
      -n "${PRODUCT}" -h sha256 -in "${file}" -out "${file}.signed"
    COMMAND_ERROR_IS_FATAL ANY)
  file(RENAME "${file}.signed" "${file}")
endfunction()
sign("${folder}/${PROGRAM}.exe")

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${out}/${NAME}.zip" --format=zip "${NAME}"
  WORKING_DIRECTORY "${out}" COMMAND_ERROR_IS_FATAL ANY)

# What the uninstaller removes: exactly the files and folders the setup program puts there.
file(GLOB_RECURSE files RELATIVE "${folder}" "${folder}/*")
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE "${folder}" "${folder}/*")
list(REMOVE_ITEM folders ${files})
list(SORT folders ORDER DESCENDING) # the deepest first
set(removal "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND removal "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(dir IN LISTS folders)
  string(REPLACE "/" "\\" dir "${dir}")
  string(APPEND removal "RMDir \"$INSTDIR\\${dir}\"\n")
endforeach()
file(WRITE "${out}/removal.nsh" "${removal}")

# The uninstaller is written inside the setup program: makensis signs it there, by this command.
set(signing "")
if(NOT SIGNING_CERT STREQUAL "")
  file(WRITE "${out}/signing.nsh" "!uninstfinalize '\"${OSSLSIGNCODE}\" sign -certs \"${SIGNING_CERT}\" -key \"${SIGNING_KEY}\" -n \"${PRODUCT}\" -h sha256 -in \"%1\" -out \"%1.signed\" && mv \"%1.signed\" \"%1\"'\n")
  set(signing "-DSIGNING=${out}/signing.nsh")
endif()
execute_process(COMMAND "${MAKENSIS}" -V2 -NOCD
    "-DVERSION=${VERSION}" "-DPRODUCT=${PRODUCT}" "-DPROGRAM=${PROGRAM}" "-DMAKER=${MAKER}"
    "-DICON=${ICON}" "-DFOLDER=${folder}" "-DREMOVAL=${out}/removal.nsh"
    "-DOUTFILE=${out}/${NAME}-setup.exe" ${signing} "${INSTALLER}"
  COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE "${out}/removal.nsh" "${out}/signing.nsh")
sign("${out}/${NAME}-setup.exe")
