# Installing Korvani (`cmake --install build --prefix /usr`) and its Debian package (`make package`).
#
# The two programs and the five data files go together into one folder, /usr/lib/korvani, because
# the programs find their data beside their own file; /usr/bin holds relative links to them. The
# desktop entry, the icon (SVG and PNG in the hicolor theme), the manual pages, the README and the
# copyright file with the data sources' licences go to the usual places under /usr/share.
#
# The PNG icons are committed, rendered from packaging/icons/korvani.svg by
#     for n in 16 22 24 32 48 64 128 256; do rsvg-convert -w $n -h $n korvani.svg -o korvani-$n.png; done
# (Debian's librsvg2-bin), so that a build needs no converter.

set(KORVANI_INSTALL_PROGRAM_DIR lib/korvani CACHE STRING "folder of the programs and their data files, under the prefix")
set(KORVANI_INSTALL_BIN_DIR bin)
set(KORVANI_INSTALL_SHARE_DIR share)
set(KORVANI_INSTALL_DOC_DIR ${KORVANI_INSTALL_SHARE_DIR}/doc/korvani)
set(KORVANI_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(KORVANI_DATA_FILE_NAMES Zelmar.dll OrvFile.dll OrvBirth.dll dream.dll Tgcode.dll)

# Folders made by the install are 0755 whatever the umask, as a package wants them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS korvani korvani-cli RUNTIME DESTINATION ${KORVANI_INSTALL_PROGRAM_DIR})
list(TRANSFORM KORVANI_DATA_FILE_NAMES PREPEND ${KORVANI_BIN_DIR}/ OUTPUT_VARIABLE data_files)
install(FILES ${data_files} DESTINATION ${KORVANI_INSTALL_PROGRAM_DIR})

# The links of /usr/bin, relative so that they hold under any prefix and inside the package. The
# programs resolve their own file through /proc/self/exe, so a link finds the data of its target.
set(link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_dir})
file(RELATIVE_PATH link_target /prefix/${KORVANI_INSTALL_BIN_DIR} /prefix/${KORVANI_INSTALL_PROGRAM_DIR})
foreach(program korvani korvani-cli)
    file(CREATE_LINK ${link_target}/${program} ${link_dir}/${program} SYMBOLIC)
    install(FILES ${link_dir}/${program} DESTINATION ${KORVANI_INSTALL_BIN_DIR})
endforeach()

install(FILES ${KORVANI_PACKAGING_DIR}/korvani.desktop DESTINATION ${KORVANI_INSTALL_SHARE_DIR}/applications)
install(FILES ${KORVANI_PACKAGING_DIR}/icons/korvani.svg
        DESTINATION ${KORVANI_INSTALL_SHARE_DIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${KORVANI_PACKAGING_DIR}/icons/korvani-${size}.png
            DESTINATION ${KORVANI_INSTALL_SHARE_DIR}/icons/hicolor/${size}x${size}/apps RENAME korvani.png)
endforeach()

# The changelog and the manual pages are installed compressed, without a time stamp in the gzip
# header, so that two builds of one source give the same package.
file(STRINGS ${KORVANI_PACKAGING_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^korvani \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog must start with an entry for version ${PROJECT_VERSION}")
endif()
set(gzipped)
foreach(source changelog man/korvani.1 man/korvani-cli.1 man/zh_CN/korvani.1 man/zh_CN/korvani-cli.1)
    set(output ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
    get_filename_component(output_dir ${output} DIRECTORY)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
        COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" ${KORVANI_PACKAGING_DIR}/${source} ${output}
        DEPENDS ${KORVANI_PACKAGING_DIR}/${source}
        VERBATIM)
    list(APPEND gzipped ${output})
endforeach()
add_custom_target(korvani_packaging_files ALL DEPENDS ${gzipped})
# The manual pages in English, and in Chinese for a Chinese desktop (LANG=zh_CN.UTF-8).
install(FILES ${CMAKE_BINARY_DIR}/packaging/man/korvani.1.gz ${CMAKE_BINARY_DIR}/packaging/man/korvani-cli.1.gz
        DESTINATION ${KORVANI_INSTALL_SHARE_DIR}/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/man/zh_CN/korvani.1.gz
              ${CMAKE_BINARY_DIR}/packaging/man/zh_CN/korvani-cli.1.gz
        DESTINATION ${KORVANI_INSTALL_SHARE_DIR}/man/zh_CN/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${KORVANI_PACKAGING_DIR}/copyright
              ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${KORVANI_INSTALL_DOC_DIR})

# The Debian package: `make package` (or `cmake --build build --target package`) writes
# build/korvani_<version>_<arch>.deb. The libraries come from the binaries (dpkg-shlibdeps); the
# fonts of the reports and Qt's Chinese dialogs are packages the binaries cannot name.
set(KORVANI_PACKAGE_MAINTAINER "Korvani maintainers <maintainers@korvani.example>"
    CACHE STRING "the Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvani)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Korvani")
set(CPACK_PACKAGE_CONTACT ${KORVANI_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KORVANI_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Chinese company and shop naming by numerology and the birth chart
Korvani (Korvani店铺公司起名软件) proposes and judges names for a company, a
shop or a brand by the traditional Chinese methods: stroke-count numerology
of the characters (the 81 numbers), the five elements that the characters
carry and the birth chart (八字) of the company's legal representative.
Around that core it offers a birth-chart report, a daily almanac, a dream
dictionary, readings of telephone, QQ and other numbers and of net names,
and a month calendar with lunar dates, festivals and solar terms.
.
The desktop program korvani speaks Chinese; korvani-cli runs the same
reports and lookups from the command line.")
include(CPack)
