# Turns a translation template into a pseudo-translation: every ASCII letter of every text becomes an accented
# look-alike (a -> á, B -> Ḃ), so a text shown without translation stands out in every character and the
# length stays, even where a narrow button clips a caption's ends. Arguments (%1, %L1, %n), the letter of an
# & mnemonic, HTML tags and entities stay as they are, so the texts keep working. The rule a test checks: a
# translated text holds no ASCII letter outside those. Run as
#   cmake -DIN=<template.ts> -DOUT=<pseudo.ts> -P PseudoTranslation.cmake
cmake_minimum_required(VERSION 3.25)

set(plain_letters a b c d e f g h i j k l m n o p q r s t u v w x y z
                  A B C D E F G H I J K L M N O P Q R S T U V W X Y Z)
set(marked_letters á ƀ ç ď é ƒ ĝ ĥ í ĵ ķ ĺ ḿ ñ ó ṕ ǫ ŕ š ţ ú ṽ ŵ ẋ ý ž
                   Á Ḃ Ç Ď É Ḟ Ĝ Ĥ Í Ĵ Ķ Ĺ Ḿ Ñ Ó Ṕ Ǫ Ŕ Š Ţ Ú Ṽ Ŵ Ẋ Ý Ž)

# What stays, as the template's XML holds it: an argument, a tag with its attributes, a literal & or a
# mnemonic with its letter, an entity.
set(kept "^(%L?[0-9]+|%n|&lt;/?[a-zA-Z]([^&]|&quot;|&apos;|&amp;)*&gt;|&amp;&amp;|&amp;[^&]|&[a-z]+;|&#x?[0-9a-fA-F]+;)")

function(mark_letters run out)
  foreach(plain marked IN ZIP_LISTS plain_letters marked_letters)
    string(REPLACE "${plain}" "${marked}" run "${run}")
  endforeach()
  set(${out} "${run}" PARENT_SCOPE)
endfunction()

function(mark_text text out)
  set(result "")
  while(NOT text STREQUAL "")
    if(text MATCHES "${kept}")
      set(piece "${CMAKE_MATCH_1}")
      set(shown "${piece}")
    elseif(text MATCHES "^([^%&]+)")
      set(piece "${CMAKE_MATCH_1}")
      mark_letters("${piece}" shown)
    else()
      string(SUBSTRING "${text}" 0 1 piece)
      set(shown "${piece}")
    endif()
    string(APPEND result "${shown}")
    string(LENGTH "${piece}" length)
    string(SUBSTRING "${text}" ${length} -1 text)
  endwhile()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

file(READ "${IN}" ts)
set(pseudo "")
set(unfinished "<translation type=\"unfinished\"></translation>")
while(TRUE)
  string(FIND "${ts}" "<source>" start)
  if(start EQUAL -1)
    break()
  endif()
  math(EXPR text_start "${start} + 8")
  string(SUBSTRING "${ts}" 0 ${text_start} before)
  string(APPEND pseudo "${before}")
  string(SUBSTRING "${ts}" ${text_start} -1 ts)
  string(FIND "${ts}" "</source>" end)
  string(SUBSTRING "${ts}" 0 ${end} source)
  string(SUBSTRING "${ts}" ${end} -1 ts)
  string(FIND "${ts}" "${unfinished}" slot)
  string(SUBSTRING "${ts}" 0 ${slot} between)
  string(LENGTH "${unfinished}" slot_length)
  math(EXPR after "${slot} + ${slot_length}")
  string(SUBSTRING "${ts}" ${after} -1 ts)
  mark_text("${source}" marked)
  string(APPEND pseudo "${source}${between}<translation>${marked}</translation>")
endwhile()
file(WRITE "${OUT}" "${pseudo}${ts}")
