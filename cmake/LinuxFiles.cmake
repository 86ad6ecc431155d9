# The files that make Quenk a desktop program on Linux, all under resources/linux/: the
# package installs them system-wide and the program registers the same files for one user
# from its Qt resources, so both read one copy. Paths are relative to the source root; for
# the resources, e.g.
#   qt_add_resources(quenk_app quenk_linux PREFIX /linux BASE resources/linux
#                    FILES ${QUENK_LINUX_FILES})
# gives :/linux/quenk.desktop, :/linux/quenk.xml, :/linux/icons/quenk.svg and so on.

set(QUENK_LINUX_DESKTOP_FILE resources/linux/quenk.desktop)      # desktop id quenk.desktop
set(QUENK_LINUX_MIME_PACKAGE resources/linux/quenk.xml)          # shared-mime-info package
set(QUENK_LINUX_METAINFO resources/linux/io.github.quenk.Quenk.metainfo.xml)
set(QUENK_LINUX_APP_ICON resources/linux/icons/quenk.svg)        # icon name quenk

# The puzzle types in the MIME package, each with its icon
# resources/linux/icons/application-x-quenk-<name>.svg (icon name application-x-quenk-<name>).
set(QUENK_MIME_TYPES
  application/x-quenk-jcc application/x-quenk-jcr application/x-quenk-jcw
  application/x-quenk-jcp application/x-quenk-ppiff
  application/x-quenk-non application/x-quenk-nin application/x-quenk-webpbn)
set(QUENK_LINUX_MIME_ICONS)
foreach(type ${QUENK_MIME_TYPES})
  string(REPLACE "/" "-" icon "${type}")
  list(APPEND QUENK_LINUX_MIME_ICONS resources/linux/icons/${icon}.svg)
endforeach()

set(QUENK_LINUX_FILES
  ${QUENK_LINUX_DESKTOP_FILE} ${QUENK_LINUX_MIME_PACKAGE} ${QUENK_LINUX_METAINFO}
  ${QUENK_LINUX_APP_ICON} ${QUENK_LINUX_MIME_ICONS})

# The sizes the icons are rendered at besides the scalable SVG (the hicolor theme's NxN/ folders).
set(QUENK_ICON_SIZES 16 32 48 64 128)
