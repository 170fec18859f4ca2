# cmake -DSOURCE=<folder> -DDESTINATION=<folder> -P copier_manquants.cmake
# Copies each file of SOURCE that DESTINATION lacks. The program writes its
# settings, accounts and hint pages in that folder: a rebuild adds the
# shipped files that are missing and never puts one back over the user's.
file(GLOB_RECURSE fichiers RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(fichier IN LISTS fichiers)
  if(NOT EXISTS "${DESTINATION}/${fichier}")
    get_filename_component(dossier "${DESTINATION}/${fichier}" DIRECTORY)
    file(COPY "${SOURCE}/${fichier}" DESTINATION "${dossier}")
  endif()
endforeach()
