# Fills a stored form's binary skin property at build time:
#   cmake -DFORM_IN=form.txt -DFORM_OUT=form.stored [-DPACKAGE=skin.skn] -P EmbedPackage.cmake
# "@SKIN_STREAM@" in the form becomes the package's 32-bit little-endian length
# followed by the package, in hexadecimal; without a package the length is 0.
set(digits "0123456789ABCDEF")
function(byte_hex value out)
  math(EXPR hi "(${value} >> 4) & 15")
  math(EXPR lo "${value} & 15")
  string(SUBSTRING ${digits} ${hi} 1 h)
  string(SUBSTRING ${digits} ${lo} 1 l)
  set(${out} "${h}${l}" PARENT_SCOPE)
endfunction()

set(size 0)
set(body "")
if(PACKAGE AND EXISTS "${PACKAGE}")
  file(SIZE "${PACKAGE}" size)
  file(READ "${PACKAGE}" body HEX)
  string(TOUPPER "${body}" body)
else()
  message(WARNING "No skin package to store in the form (${PACKAGE}); the program starts without a skin.")
endif()

set(length "")
foreach(shift 0 8 16 24)
  math(EXPR byte "(${size} >> ${shift}) & 255")
  byte_hex(${byte} pair)
  string(APPEND length "${pair}")
endforeach()
string(REGEX REPLACE "([0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F])"
       "\\1\n      " body "${body}")

file(READ "${FORM_IN}" form)
string(REPLACE "@SKIN_STREAM@" "${length}\n      ${body}" form "${form}")
file(WRITE "${FORM_OUT}.tmp" "${form}")
file(COPY_FILE "${FORM_OUT}.tmp" "${FORM_OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${FORM_OUT}.tmp")
