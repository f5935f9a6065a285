# `cpack -G DEB` in the build folder (tools/package) makes ravelbook_VERSION_ARCH.deb
# from the install rules. The libraries it needs are found by dpkg-shlibdeps;
# what the program loads at run time is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravelbook)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Ravelbook developers <developers@ravelbook.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "address book that prints onto labels, envelopes and cards")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ravelbook keeps an address book, in a file of its own or on a PostgreSQL\n"
    "server an office shares, and prints it onto mailing stationery: any sheet\n"
    "of labels, envelopes, cards and fliers, with return addresses, 18 groups\n"
    "and a line of special text. It imports and exports CSV, vCard and Access\n"
    "files and keeps a book in step with an online (CardDAV) address book.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ravelbook.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt Sql driver of the book's file and the window's fonts are loaded by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-liberation")
# Server books, the label catalogue and Qt's own texts in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql, glabels-data, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
# tools/package builds the program alone; the tests need not be built to package it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
