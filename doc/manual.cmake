# Makes the user manual's HTML from its one source, the README: the parts between a
# line "<!-- manual -->" and a line "<!-- /manual -->", in order, converted by
# cmark-gfm (GitHub's Markdown, tables included). Every heading gets an anchor named
# after its words, and a table of contents of the second and third level headings is
# put before the first of them. The page keeps to the HTML that QTextBrowser shows,
# so the editor can show the same file.
#
#   cmake -DREADME=README.md -DCMARK=/usr/bin/cmark-gfm -DOUTPUT=manual.html -P manual.cmake

cmake_minimum_required(VERSION 3.25)

file(READ "${README}" readme)

# The marked parts.
set(source "")
set(rest "\n${readme}")
while(TRUE)
  string(FIND "${rest}" "\n<!-- manual -->\n" begin)
  if(begin EQUAL -1)
    break()
  endif()
  math(EXPR begin "${begin} + 17")
  string(SUBSTRING "${rest}" ${begin} -1 rest)
  string(FIND "${rest}" "\n<!-- /manual -->\n" end)
  if(end EQUAL -1)
    message(FATAL_ERROR "${README}: a manual part has no closing <!-- /manual --> line")
  endif()
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${rest}" 0 ${end} part)
  string(APPEND source "${part}\n")
  string(SUBSTRING "${rest}" ${end} -1 rest)
endwhile()
if(source STREQUAL "")
  message(FATAL_ERROR "${README} marks no part of the manual")
endif()

get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(WRITE "${folder}/manual.md" "${source}")
execute_process(COMMAND "${CMARK}" --extension table --to html "${folder}/manual.md"
                OUTPUT_VARIABLE body RESULT_VARIABLE failed ERROR_VARIABLE why)
if(failed)
  message(FATAL_ERROR "cmark-gfm could not convert the manual: ${why}")
endif()

# A code block ends at its last line, without an empty one after it.
string(REPLACE "\n</code></pre>" "</code></pre>" body "${body}")

# Headings: an anchor for each, and the entries of the contents. Lines are split at
# newlines; semicolons and square brackets, which CMake's lists would read as their
# own, are kept aside as control characters meanwhile.
string(ASCII 1 semicolon)
string(ASCII 2 openBracket)
string(ASCII 3 closeBracket)
string(REPLACE ";" "${semicolon}" body "${body}")
string(REPLACE "[" "${openBracket}" body "${body}")
string(REPLACE "]" "${closeBracket}" body "${body}")
string(REPLACE "\n" ";" lines "${body}")
set(page "")
set(contents "")
set(slugs "")
set(contentsLevel 1)
set(firstSection -1)
foreach(line IN LISTS lines)
  if(line MATCHES "^<h([1-6])>(.*)</h[1-6]>$")
    set(level ${CMAKE_MATCH_1})
    set(title "${CMAKE_MATCH_2}")
    # The slug: the heading's words without their tags, in small letters, joined by '-'.
    string(REGEX REPLACE "<[^>]*>" "" words "${title}")
    string(REGEX REPLACE "&[a-z]+;|&#[0-9]+;" "" words "${words}")
    string(TOLOWER "${words}" words)
    string(REGEX REPLACE "[^a-z0-9]+" "-" slug "${words}")
    string(REGEX REPLACE "^-+|-+$" "" slug "${slug}")
    set(unique "${slug}")
    set(count 1)
    while(unique IN_LIST slugs)
      math(EXPR count "${count} + 1")
      set(unique "${slug}-${count}")
    endwhile()
    list(APPEND slugs "${unique}")
    set(line "<h${level} id=\"${unique}\"><a name=\"${unique}\">${title}</a></h${level}>")
    if(level GREATER 1 AND level LESS 4)
      if(firstSection EQUAL -1)
        string(LENGTH "${page}" firstSection)
      endif()
      # Nested lists: a third-level entry opens a list inside the entry before it.
      if(level GREATER contentsLevel)
        string(APPEND contents "\n<ul>")
      elseif(level LESS contentsLevel)
        string(APPEND contents "</li>\n</ul></li>")
      else()
        string(APPEND contents "</li>")
      endif()
      set(contentsLevel ${level})
      string(APPEND contents "\n<li><a href=\"#${unique}\">${title}</a>")
    endif()
  endif()
  string(REPLACE "<table>" "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">" line "${line}")
  string(APPEND page "${line}\n")
endforeach()
while(contentsLevel GREATER 1)
  string(APPEND contents "</li>\n</ul>")
  math(EXPR contentsLevel "${contentsLevel} - 1")
endwhile()
if(NOT firstSection EQUAL -1)
  string(SUBSTRING "${page}" 0 ${firstSection} before)
  string(SUBSTRING "${page}" ${firstSection} -1 after)
  set(page "${before}<div class=\"contents\">\n<p><b>Contents</b></p>${contents}\n</div>\n${after}")
endif()
string(REPLACE "${semicolon}" ";" page "${page}")
string(REPLACE "${openBracket}" "[" page "${page}")
string(REPLACE "${closeBracket}" "]" page "${page}")

file(WRITE "${OUTPUT}" "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Zarvo32 EX User Manual</title>
<style>
body { font-family: sans-serif; max-width: 60em; margin: 1em auto; padding: 0 1em; line-height: 1.4; }
code, pre { font-family: monospace; }
pre { background-color: #f4f4f4; padding: 0.5em; line-height: 100%; }
table { border-collapse: collapse; }
th { background-color: #eeeeee; text-align: left; }
</style>
</head>
<body>
${page}</body>
</html>
")
