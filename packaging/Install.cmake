# SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
# SPDX-License-Identifier: MIT
# Installs the program as a desktop application, and packs it with CPack.
include(GNUInstallDirs)

install(TARGETS brenvik-config-assistant
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
    # A stripped install drops the sections Debian's strip drops too: the
    # compilers' version strings (.comment) and the unneeded .note section.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:brenvik-config-assistant>\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")

    set(app_id example.brenvik.ConfigAssistant)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size IN LISTS BRENVIK_ICON_SIZES)
        install(FILES ${PROJECT_SOURCE_DIR}/icons/hicolor/${size}x${size}/apps/brenvik-config-assistant.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/icons/brenvik-config-assistant.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The manual page and the changelog go compressed, without gzip's name
    # and time stamp, so that every build gives the same bytes.
    find_program(GZIP gzip REQUIRED)
    set(docs_dir ${CMAKE_CURRENT_BINARY_DIR}/docs)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/brenvik-config-assistant.1.in
        ${docs_dir}/brenvik-config-assistant.1 @ONLY)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${docs_dir}/changelog COPYONLY)
    set(compressed)
    foreach(doc brenvik-config-assistant.1 changelog)
        add_custom_command(OUTPUT ${docs_dir}/${doc}.gz
            COMMAND ${GZIP} -9nkf ${docs_dir}/${doc}
            DEPENDS ${docs_dir}/${doc}
            VERBATIM)
        list(APPEND compressed ${docs_dir}/${doc}.gz)
    endforeach()
    add_custom_target(brenvik-docs DEPENDS ${compressed})
    add_dependencies(brenvik-config-assistant brenvik-docs)

    install(FILES ${docs_dir}/brenvik-config-assistant.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    set(package_docs ${CMAKE_INSTALL_DATADIR}/doc/brenvik-config-assistant)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${docs_dir}/changelog.gz
        DESTINATION ${package_docs})
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME brenvik-config-assistant)
endif()

set(CPACK_PACKAGE_NAME brenvik-config-assistant)
set(CPACK_PACKAGE_VENDOR Brenvik)
set(CPACK_PACKAGE_CONTACT "Brenvik <support@brenvik.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Brenvik Config Assistant helps you set up a Bluetooth Low Energy module
driven by AT commands. You type a few values; it checks them and shows the
exact list of AT commands to send to the module.

It has two functions: the study function for the master role teaches the
module the Notify and Write characteristics of a slave device, given as
16-bit or 128-bit UUIDs; the iBeacon function for the slave role makes the
module advertise as an iBeacon with a given UUID, Major and Minor.

The program only shows text. It never talks to a module, and it opens no
port, file or network connection.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.brenvik.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# Dependencies are read off the binary by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
