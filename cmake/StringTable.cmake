cmake_policy(SET CMP0007 NEW)
# Builds the string table that is compiled into the program: assets/strings.txt
# followed by the country names of the world table (34000 + country id), so
# no name is typed twice and one parser reads it all.
#   cmake -DSTRINGS=… -DCOUNTRIES=… -DOUT=… -P StringTable.cmake
file(READ ${STRINGS} _text)
string(APPEND _text "\n# Country names, from assets/world/countries.txt\n")
file(STRINGS ${COUNTRIES} _lines ENCODING UTF-8)
foreach(_line IN LISTS _lines)
  if(_line MATCHES "^#" OR _line STREQUAL "")
    continue()
  endif()
  string(REPLACE "|" ";" _fields "${_line}")
  list(GET _fields 0 _id)
  list(GET _fields 1 _name)
  math(EXPR _sid "34000 + ${_id}")
  string(APPEND _text "${_sid}\t${_name}\n")
endforeach()
file(WRITE ${OUT}.tmp "${_text}")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
