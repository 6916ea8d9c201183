# Turns a translation template into a pseudo-translation: every text becomes itself wrapped in ⟦ ⟧, so %1
# arguments and & mnemonics keep working and a text shown without translation stands out. Run as
#   cmake -DIN=<template.ts> -DOUT=<pseudo.ts> -P PseudoTranslation.cmake
cmake_minimum_required(VERSION 3.25)
file(READ "${IN}" ts)
string(REGEX REPLACE "<source>([^<]*)</source>([^<]*)<translation type=\"unfinished\"></translation>"
       "<source>\\1</source>\\2<translation>⟦\\1⟧</translation>" ts "${ts}")
file(WRITE "${OUT}" "${ts}")
