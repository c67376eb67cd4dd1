# Writes a copy of a .def file whose exports carry NONAME, so the import
# library made from it binds every export by its ordinal alone.
file(READ ${IN} def)
string(REGEX REPLACE "(@[0-9]+)" "\\1 NONAME" def "${def}")
file(WRITE ${OUT} "${def}")
