file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/root ${WORK}/start ${WORK}/home)
execute_process(COMMAND cpack -G DEB -B ${WORK}/pkg --config ${BUILD_DIR}/CPackConfig.cmake
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
file(GLOB deb ${WORK}/pkg/*.deb)
if(NOT result EQUAL 0 OR NOT deb)
  message(FATAL_ERROR "cpack did not build the package (${result})")
endif()
execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${WORK}/root RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed (${result})")
endif()
foreach(file usr/bin/rebanto-script usr/bin/rebanto-schedule usr/share/rebanto/vorpen77.doc
             usr/share/rebanto/kinriOP.ini usr/share/applications/rebanto.desktop
             usr/share/icons/hicolor/scalable/apps/rebanto.svg usr/share/doc/rebanto/copyright
             usr/share/doc/rebanto/guide.md usr/share/doc/rebanto/guide/pack-slots.png
             usr/share/man/man1/rebanto.1.gz usr/share/man/man1/rebanto-script.1.gz
             usr/share/man/man1/rebanto-schedule.1.gz usr/share/mime/packages/rebanto.xml)
  if(NOT EXISTS ${WORK}/root/${file})
    message(FATAL_ERROR "the package lacks ${file}")
  endif()
endforeach()

file(WRITE ${WORK}/typical.script
     "set TForm1.Ed0_moto 30000000\nset TForm1.Ed0_kin 2.325\nset TForm1.Ed0_nen 35\n"
     "set TForm1.Ed0_wari 20\nclick TForm1.Button18\nexpect TForm1.Edit4 83564\n"
     "expect TForm1.Edit9 125738\nclick TForm1.Button22\nprint TForm1.RichEdit3\n")
execute_process(COMMAND ${WORK}/root/usr/bin/rebanto-script --start-folder ${WORK}/start
                        ${WORK}/typical.script
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed runner failed (${result}): ${out} ${err}")
endif()

# Without a start folder: the user's folder under HOME, made with the shipped rate list;
# the explanation documents are read from the installed folder.
execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK}/home --unset=XDG_DATA_HOME
                        ${WORK}/root/usr/bin/rebanto-script ${WORK}/typical.script
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed runner failed without a start folder (${result}): ${err}")
endif()
if(NOT EXISTS ${WORK}/home/.local/share/rebanto/kinriOP.ini OR
   NOT EXISTS ${WORK}/home/.local/share/rebanto/kinri.ini)
  message(FATAL_ERROR "the user's start folder was not made under ${WORK}/home")
endif()
if(NOT out MATCHES "Rebanto Ver7.7 ドキュメント")
  message(FATAL_ERROR "the explanation document was not read from the installed folder: ${out}")
endif()
if(EXISTS ${WORK}/home/.local/share/rebanto/vorpen77.doc)
  message(FATAL_ERROR "documents were copied into the user's folder")
endif()

# The desktop entry hands the chosen file to the program, whose pack files have a type.
file(READ ${WORK}/root/usr/share/applications/rebanto.desktop desktop)
if(NOT desktop MATCHES "\nExec=rebanto %f\n" OR
   NOT desktop MATCHES "MimeType=application/x-rebanto-pack;")
  message(FATAL_ERROR "the desktop entry does not open pack files: ${desktop}")
endif()
file(READ ${WORK}/root/usr/share/mime/packages/rebanto.xml mime)
if(NOT mime MATCHES "<glob pattern=\"\\*.mpc\"/>")
  message(FATAL_ERROR "the MIME type does not name *.mpc")
endif()

# The installed schedule command: its version, and the typical loan's totals worked out
# apart (monthly interest 11,096,677 and principal 24,000,203; bonus interest 2,801,616).
execute_process(COMMAND ${WORK}/root/usr/bin/rebanto-schedule --version
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out MATCHES "^rebanto-schedule [0-9]")
  message(FATAL_ERROR "the installed rebanto-schedule --version failed (${result}): ${out} ${err}")
endif()
execute_process(COMMAND ${WORK}/root/usr/bin/rebanto-schedule --principal 30000000 --rate 2.325
                        --years 35 --bonus-share 20 --format json
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed rebanto-schedule failed (${result}): ${err}")
endif()
string(JSON monthly_interest GET "${out}" summary monthly interest)
string(JSON monthly_principal GET "${out}" summary monthly principal)
string(JSON bonus_interest GET "${out}" summary bonus interest)
if(NOT monthly_interest EQUAL 11096677 OR NOT monthly_principal EQUAL 24000203 OR
   NOT bonus_interest EQUAL 2801616)
  message(FATAL_ERROR "the installed schedule's totals: ${monthly_interest} ${monthly_principal} "
                      "${bonus_interest}")
endif()
