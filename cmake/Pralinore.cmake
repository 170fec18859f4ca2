# Build helpers shared by every folder of the project.

set_property(GLOBAL PROPERTY PRALINORE_DOSSIERS_SANS_QT "")
set_property(GLOBAL PROPERTY PRALINORE_CIBLES_SANS_QT "")

# A library that knows no window: plain C++, no Qt, pure ASCII sources (text is
# Windows-1252 and lives in data files). It is built in both trees.
#   pralinore_bibliotheque_sans_qt(<nom> SOURCES ... [DEPENDS ...])
function(pralinore_bibliotheque_sans_qt nom)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${nom} STATIC ${ARG_SOURCES})
  target_include_directories(${nom} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  if(ARG_DEPENDS)
    target_link_libraries(${nom} PUBLIC ${ARG_DEPENDS})
  endif()
  set_property(GLOBAL APPEND PROPERTY PRALINORE_DOSSIERS_SANS_QT "${CMAKE_CURRENT_SOURCE_DIR}")
  set_property(GLOBAL APPEND PROPERTY PRALINORE_CIBLES_SANS_QT ${nom})
endfunction()

# Compiles a UTF-8 data file into <cible> as bytes, reachable through
# `std::string_view <symbole>()` (declared by the library's own header).
#   pralinore_donnees(<cible> <fichier> <symbole>)
function(pralinore_donnees cible fichier symbole)
  get_filename_component(source "${fichier}" ABSOLUTE)
  set(sortie "${CMAKE_CURRENT_BINARY_DIR}/donnees_${symbole}.cpp")
  add_custom_command(
    OUTPUT "${sortie}"
    COMMAND "${CMAKE_COMMAND}" -DENTREE=${source} -DSORTIE=${sortie} -DSYMBOLE=${symbole}
            -P "${PROJECT_SOURCE_DIR}/cmake/donnees_en_cpp.cmake"
    DEPENDS "${source}" "${PROJECT_SOURCE_DIR}/cmake/donnees_en_cpp.cmake"
    COMMENT "Compiling data file ${fichier}"
    VERBATIM)
  target_sources(${cible} PRIVATE "${sortie}")
endfunction()

# The headers every test program reads, compiled once per tree: GoogleTest and
# the standard library for all, and for the programs with widgets Qt's common
# widget headers and the shared main of tests/principal_qt.cpp (one object).
# Only headers whose text no definition of a test program changes go here.
set(PRALINORE_ENTETES_TESTS <gtest/gtest.h> <algorithm> <cmath> <cstdint> <filesystem> <random> <string> <vector>)
set(PRALINORE_ENTETES_QT <QApplication> <QComboBox> <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QPainter>
    <QPushButton> <QWidget>)

# g++ 12 loses the system-header mark of the standard library's code read
# from a precompiled header, and reports its false bounds, overflows and overreads
# inside std::string's concatenation (GCC bug 105329) against the target.
# Only the test programs read precompiled headers, so the program's own code
# keeps these warnings.
function(pralinore_entetes_sans_faux_debordements cible)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${cible} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
  endif()
endfunction()

# The two objects whose precompiled headers the test programs read (made
# once per tree, by the first test program).
function(pralinore_hotes_entetes_tests)
  if(TARGET entetes_tests)
    return()
  endif()
  add_library(entetes_tests OBJECT "${PROJECT_SOURCE_DIR}/tests/entetes_tests.cpp")
  target_link_libraries(entetes_tests PRIVATE GTest::gtest)
  target_compile_options(entetes_tests PRIVATE -fPIC)
  target_precompile_headers(entetes_tests PRIVATE ${PRALINORE_ENTETES_TESTS})
  add_library(principal_qt OBJECT "${PROJECT_SOURCE_DIR}/tests/principal_qt.cpp")
  target_link_libraries(principal_qt PUBLIC Qt6::Widgets GTest::gtest)
  target_precompile_headers(principal_qt PRIVATE ${PRALINORE_ENTETES_TESTS} ${PRALINORE_ENTETES_QT})
endfunction()

# A GoogleTest program registered with ctest. A program with widgets lists
# tests/principal_qt.cpp among its sources, as its main.
#   pralinore_test(<nom> SOURCES ... LIBS ... LABELS ... [ENVIRONMENT ...])
function(pralinore_test nom)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
  pralinore_hotes_entetes_tests()
  set(principal "${PROJECT_SOURCE_DIR}/tests/principal_qt.cpp")
  set(sources "")
  set(avec_fenetres FALSE)
  foreach(source IN LISTS ARG_SOURCES)
    get_filename_component(chemin "${source}" ABSOLUTE)
    if(chemin STREQUAL principal)
      set(avec_fenetres TRUE)
    else()
      list(APPEND sources "${source}")
    endif()
  endforeach()
  add_executable(${nom} ${sources})
  # Qt asks for -fPIC; one setting for every test program lets them all read
  # the same precompiled headers.
  target_compile_options(${nom} PRIVATE -fPIC)
  if(avec_fenetres)
    target_link_libraries(${nom} PRIVATE principal_qt)
    target_precompile_headers(${nom} REUSE_FROM principal_qt)
  else()
    target_precompile_headers(${nom} REUSE_FROM entetes_tests)
  endif()
  pralinore_entetes_sans_faux_debordements(${nom})
  target_link_libraries(${nom} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${nom} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  add_test(NAME ${nom} COMMAND ${nom})
  set(labels ${ARG_LABELS})
  if(PRALINORE_SANITIZE)
    list(APPEND labels asan)
  endif()
  set_tests_properties(${nom} PROPERTIES LABELS "${labels}")
  if(ARG_ENVIRONMENT)
    set_tests_properties(${nom} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
  endif()
endfunction()

# Programs that a test starts by their path (add_test with $<TARGET_FILE:...>):
# built with `all` in every tree, the sanitizer tree included.
#   pralinore_outils_de_test(<cible>...)
function(pralinore_outils_de_test)
  if(NOT TARGET outils_de_test)
    add_custom_target(outils_de_test ALL)
  endif()
  add_dependencies(outils_de_test ${ARGN})
endfunction()

# The shipped `parametres` files go beside the executables; files already
# there (the user's settings, accounts, hint pages) are kept as they are.
function(pralinore_copier_parametres)
  add_custom_target(parametres ALL
    COMMAND "${CMAKE_COMMAND}" -DSOURCE=${PROJECT_SOURCE_DIR}/data/parametres
            -DDESTINATION=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/parametres
            -P "${PROJECT_SOURCE_DIR}/cmake/copier_manquants.cmake"
    COMMENT "Copying the shipped parametres files that are missing")
endfunction()

# Checks made once every folder is known: Qt-free libraries link no Qt, their
# sources stay pure ASCII and every include goes down the layers (ctest tests,
# so a planted byte or include fails ./test).
function(pralinore_verifier_sans_qt)
  get_property(cibles GLOBAL PROPERTY PRALINORE_CIBLES_SANS_QT)
  set(sources_sans_qt "")
  foreach(cible IN LISTS cibles)
    get_target_property(liens ${cible} LINK_LIBRARIES)
    foreach(lien IN LISTS liens)
      if(lien MATCHES "^Qt")
        message(FATAL_ERROR "${cible} must not link ${lien}: it is a Qt-free library")
      endif()
    endforeach()
    get_target_property(sources ${cible} SOURCES)
    get_target_property(dossier ${cible} SOURCE_DIR)
    foreach(source IN LISTS sources)
      get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${dossier}")
      list(APPEND sources_sans_qt "${source}")
    endforeach()
  endforeach()
  get_property(dossiers GLOBAL PROPERTY PRALINORE_DOSSIERS_SANS_QT)
  add_test(NAME sources_ascii
           COMMAND sh "${PROJECT_SOURCE_DIR}/tests/conformite/sources_ascii.sh" ${dossiers})
  add_test(NAME sens_des_inclusions
           COMMAND sh "${PROJECT_SOURCE_DIR}/tests/conformite/sens_des_inclusions.sh"
                   "${PROJECT_SOURCE_DIR}/src" ${sources_sans_qt})
  set(labels conformite)
  if(PRALINORE_SANITIZE)
    list(APPEND labels asan)
  endif()
  set_tests_properties(sources_ascii sens_des_inclusions PROPERTIES LABELS "${labels}")
endfunction()
