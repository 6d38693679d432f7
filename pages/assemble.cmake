# cmake -DTEMPLATE=<page> -DSCRIPT=<conversion.js> -DWRITING=<allman|kr> -DFUNCTIONS=<a,b>
#       -DOUT=<file> -P assemble.cmake
# Writes the page text OUT from its template. The parts every conversion page has are written
# here once; a template line that is a marker stands for them:
#   @head TITLE@          the page's opening, up to and with its <script> tag
#   @NAME NAME ...@       these functions of the shared script (SCRIPT) in the page's writing;
#                         all such markers together name exactly FUNCTIONS, in order
#   @form HEADING SIZE [DATA]@
#                         the end of the head and the opening of the form table, whose rows
#                         follow from the lines up to @reset@, one a field, two fields a row:
#     FIELD[:BUTTON] LABEL    a field converted through the page's measures object DATA; its
#                             button reads BUTTON, "换算" unless given
#     FIELD CONVERTER LABEL   (no DATA) a field whose button calls a converter of its own
#     == HEADING              a heading row over the fields after it
#   @reset BUTTON@        the reset button, in the free half of the last row or in a row of
#                         its own; it closes the form and the page
#   @converter NAME VAR FIELD BOUND: VAR2 = EXPRESSION, ...; SHOWN ...@
#                         a field's own converter (kr), function NAME(obj): it reads FIELD as
#                         VAR; below BOUND it answers "ERROR" in the fields of the SHOWN
#                         variables, else works the assignments out in turn and shows each
#                         SHOWN variable in the field that the converter reading it reads
# The page files were written in two writings (see conversion.js); the parts differ between
# them only in the lines set below.
cmake_minimum_required(VERSION 3.25)

set(allman_link [=[<link rel="stylesheet" href="css/style1.css" type="text/css">]=])
set(allman_heading_place [=[bgcolor="#CCE6CD" align="center"]=])
set(allman_indent "")
set(kr_link [=[<link href="css/style1.css" rel="stylesheet" type="text/css">]=])
set(kr_heading_place [=[align="center" bgcolor="#CCE6CD"]=])
set(kr_indent "  ")

set(head_part [=[<html>
<head>
<title>@title@</title>
<script language="javascript" type="text/javascript">]=])
set(form_part [=[</script>
@link@
</head>
<body>
<table width="670" borderColorDark="#ffffff" borderColorLight="#008000" border="1" cellpadding="3" cellspacing="0" align="center">
<form action="">
<tr height="10">
@indent@<td colspan="4" @heading_place@>@heading@</td>
</tr>]=])
set(field_part [=[@indent@<td align="right" nowrap>@label@</td>
@indent@<td align="left"><input type="text" name="@field@" size="@size@"> <input type="button" @button@ onclick="if (checkNum(this.form.@field@.value)) @action@;"></td>]=])
set(heading_part [=[<tr>
@indent@<td colspan="4" align="center"><b>@heading@</b></td>
</tr>]=])
set(empty_half_part [=[@indent@<td colspan="2">&nbsp;</td>]=])
set(reset_half_part [=[@indent@<td colspan="2" align="right">@reset@</td>]=])
set(reset_row_part [=[<tr>
@indent@<td colspan="4" align="center">@reset@</td>
</tr>]=])
set(foot_part [=[</form>
</table>
</body>
</html>]=])

# Lines are handled as a CMake list: backslashes, semicolons and square brackets would split
# or join its elements, so they are swapped for control characters meanwhile.
set(special_codes 92 59 91 93)
set(hidden_codes 1 2 3 4)
# hide(TEXT OUT [REVEAL]): OUT is TEXT with those characters hidden, or with REVEAL shown again.
function(hide text out)
  foreach(special_code hidden_code IN ZIP_LISTS special_codes hidden_codes)
    string(ASCII ${special_code} special)
    string(ASCII ${hidden_code} hidden)
    if(ARGN)
      string(REPLACE "${hidden}" "${special}" text "${text}")
    else()
      string(REPLACE "${special}" "${hidden}" text "${text}")
    endif()
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The kr writing of a function written allman: its opening brace joins the head and an indent
# level is two spaces instead of four; a continued line (after one ending in && or ||) keeps
# its alignment under the line it continues.
function(kr_writing text out)
  string(REGEX REPLACE "^(function [^\n]*)\n{" "\\1 {" text "${text}")
  hide("${text}" text)
  string(REPLACE "\n" ";" lines "${text}")
  set(result "")
  set(continues FALSE)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^ +" "" rest "${line}")
    string(LENGTH "${line}" allman)
    string(LENGTH "${rest}" length)
    math(EXPR allman "${allman} - ${length}")
    if(continues)
      math(EXPR kr "${continued_kr} + ${allman} - ${continued_allman}")
    else()
      math(EXPR kr "${allman} / 2")
    endif()
    string(REPEAT " " ${kr} lead)
    list(APPEND result "${lead}${rest}")
    if(NOT continues)
      set(continued_allman ${allman})
      set(continued_kr ${kr})
    endif()
    set(continues FALSE)
    if(line MATCHES "(&&|\\|\\|)$")
      set(continues TRUE)
    endif()
  endforeach()
  list(JOIN result "\n" result)
  hide("${result}" result REVEAL)
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Function NAME of the shared script in the page's writing: its own section for the writing,
# or the section for both, rewritten for kr pages.
function(shared_function name out)
  foreach(writing ${WRITING} both)
    set(head "//@ ${writing} ${name}\n")
    set(section_writing ${writing})
    string(FIND "${script}" "${head}" start)
    if(NOT start EQUAL -1)
      break()
    endif()
  endforeach()
  if(start EQUAL -1)
    message(FATAL_ERROR "${SCRIPT} has no section '${WRITING} ${name}' or 'both ${name}'")
  endif()
  string(LENGTH "${head}" length)
  math(EXPR start "${start} + ${length}")
  string(SUBSTRING "${script}" ${start} -1 section)
  string(FIND "${section}" "\n//@ " end)
  string(SUBSTRING "${section}" 0 ${end} section)
  string(REGEX REPLACE "\n+$" "" section "${section}")
  if(section MATCHES "@data@")
    if(NOT data)
      message(FATAL_ERROR "${TEMPLATE}: '${name}' needs the measures object named on the @form@ line")
    endif()
    string(REPLACE "@data@" "${data}" section "${section}")
  endif()
  if(section_writing STREQUAL "both" AND WRITING STREQUAL "kr")
    kr_writing("${section}" section)
  endif()
  set(${out} "${section}" PARENT_SCOPE)
endfunction()

# Adds lines to the page text.
function(emit text)
  set(page "${page}${separator}${text}" PARENT_SCOPE)
  set(separator "\n" PARENT_SCOPE)
endfunction()

# Adds a part, its @names@ filled from the variables of the same name.
function(emit_part part)
  string(CONFIGURE "${${part}_part}" filled @ONLY)
  set(page "${page}${separator}${filled}" PARENT_SCOPE)
  set(separator "\n" PARENT_SCOPE)
endfunction()

file(READ "${TEMPLATE}" text)
file(READ "${SCRIPT}" script)
set(link "${${WRITING}_link}")
set(heading_place "${${WRITING}_heading_place}")
set(indent "${${WRITING}_indent}")
string(REPLACE "," ";" wanted "${FUNCTIONS}")

# The page's measures object, named on its @form@ line, is known to the functions before.
if(text MATCHES "\n@form [^ \n]+ [0-9]+ ([A-Za-z_][A-Za-z0-9_]*)@")
  set(data "${CMAKE_MATCH_1}")
endif()
# Which field each converter reads its variable from.
string(REGEX MATCHALL "\n@converter [A-Za-z0-9_]+ [A-Za-z0-9_]+ [A-Za-z0-9_]+ " converters "${text}")
foreach(converter IN LISTS converters)
  string(REGEX REPLACE "^\n@converter [^ ]+ ([^ ]+) ([^ ]+) $" "\\1;\\2" converter "${converter}")
  list(GET converter 0 var)
  list(GET converter 1 field_of_${var})
endforeach()

hide("${text}" text)
string(REPLACE "\n" ";" lines "${text}")
set(page "")
set(separator "")
set(named "")
set(in_form FALSE)
set(half_open FALSE) # the last row holds one field so far
foreach(line IN LISTS lines)
  hide("${line}" line REVEAL)
  set(is_field FALSE)
  if(in_form AND line STREQUAL "")
    # a blank line may part groups of fields
  elseif(in_form)
    if(line MATCHES "^@reset (.+)@$")
      set(reset "${CMAKE_MATCH_1}")
      if(half_open)
        emit_part(reset_half)
        emit("</tr>")
      else()
        emit_part(reset_row)
      endif()
      emit_part(foot)
      set(in_form FALSE)
    elseif(line MATCHES "^== (.+)$")
      set(heading "${CMAKE_MATCH_1}")
      if(half_open)
        emit_part(empty_half)
        emit("</tr>")
        set(half_open FALSE)
      endif()
      emit_part(heading)
    elseif(data AND line MATCHES "^([A-Za-z0-9_]+)(:([^ ]+))? (.+)$")
      set(is_field TRUE)
      set(field "${CMAKE_MATCH_1}")
      set(value "${CMAKE_MATCH_3}")
      set(label "${CMAKE_MATCH_4}")
      if(value STREQUAL "")
        set(value "换算")
      endif()
      set(button "name=\"${field}_bt\" value=\"${value}\"")
      set(action "compute(this.form, '${field}', ${data})")
    elseif(NOT data AND line MATCHES "^([A-Za-z0-9_]+) ([A-Za-z0-9_]+) (.+)$")
      set(is_field TRUE)
      set(field "${CMAKE_MATCH_1}")
      set(label "${CMAKE_MATCH_3}")
      set(button "value=\"换算\"")
      set(action "${CMAKE_MATCH_2}(this.form)")
    else()
      message(FATAL_ERROR "${TEMPLATE}: '${line}' is neither a field, a heading nor @reset@")
    endif()
    if(is_field AND half_open)
      emit_part(field)
      emit("</tr>")
      set(half_open FALSE)
    elseif(is_field)
      emit("<tr>")
      emit_part(field)
      set(half_open TRUE)
    endif()
  elseif(line MATCHES "^@head (.+)@$")
    set(title "${CMAKE_MATCH_1}")
    emit_part(head)
  elseif(line MATCHES "^@form ([^ ]+) ([0-9]+)( ([A-Za-z_][A-Za-z0-9_]*))?@$")
    set(heading "${CMAKE_MATCH_1}")
    set(size "${CMAKE_MATCH_2}")
    set(data "${CMAKE_MATCH_4}")
    emit_part(form)
    set(in_form TRUE)
  elseif(line MATCHES "^@converter ([^ ]+) ([^ ]+) ([^ ]+) ([^ :]+): ([^;]+); ([^@]+)@$")
    set(var "${CMAKE_MATCH_2}")
    string(REPLACE ", " ";" assignments "${CMAKE_MATCH_5}")
    string(REPLACE " " ";" shown "${CMAKE_MATCH_6}")
    foreach(shown_var IN LISTS shown)
      if(NOT DEFINED field_of_${shown_var})
        message(FATAL_ERROR "${TEMPLATE}: no @converter@ reads '${shown_var}' from a field")
      endif()
    endforeach()
    emit("function ${CMAKE_MATCH_1}(obj) {")
    emit("  var ${var} = parseFloat(obj.${CMAKE_MATCH_3}.value);")
    emit("  if (${var} < ${CMAKE_MATCH_4}) {")
    foreach(shown_var IN LISTS shown)
      emit("    obj.${field_of_${shown_var}}.value = \"ERROR\";")
    endforeach()
    emit("    return;")
    emit("  }")
    foreach(assignment IN LISTS assignments)
      emit("  var ${assignment};")
    endforeach()
    foreach(shown_var IN LISTS shown)
      emit("  obj.${field_of_${shown_var}}.value = \"\" + ${shown_var};")
    endforeach()
    emit("}")
  elseif(line MATCHES "^@([A-Za-z]+( [A-Za-z]+)*)@$")
    string(REPLACE " " ";" names "${CMAKE_MATCH_1}")
    set(between "")
    foreach(name IN LISTS names)
      shared_function(${name} function)
      emit("${between}${function}")
      set(between "\n")
      list(APPEND named ${name})
    endforeach()
  elseif(line MATCHES "^@")
    message(FATAL_ERROR "${TEMPLATE}: unknown marker '${line}' (see assemble.cmake)")
  else()
    emit("${line}")
  endif()
endforeach()
if(in_form)
  message(FATAL_ERROR "${TEMPLATE}: the form has no @reset BUTTON@ line")
endif()
if(NOT "${named}" STREQUAL "${wanted}")
  message(FATAL_ERROR "${TEMPLATE} names [${named}], the page table [${wanted}]")
endif()
file(WRITE "${OUT}" "${page}")
