# Joins assets/world/surnames/<country id>.txt into one text compiled into the
# model: a line "[id]" before each table's lines.
#   cmake -DDIR=… -DOUT=… -P JoinSurnames.cmake
file(GLOB _files ${DIR}/*.txt)
list(SORT _files)
set(_text "")
foreach(_f IN LISTS _files)
  get_filename_component(_id ${_f} NAME_WE)
  file(READ ${_f} _body)
  string(APPEND _text "[${_id}]\n${_body}\n")
endforeach()
file(WRITE ${OUT}.tmp "${_text}")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
