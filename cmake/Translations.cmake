# The game's languages besides English, and the sources their texts come from.
# Engine texts are marked by constructing a Text, so lupdate reads Text(...) as
# a translate(...) call.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(PIPWRIGHT_LANGUAGES es pt_BR fr de)
set(PIPWRIGHT_TS_FILES)
foreach(language IN LISTS PIPWRIGHT_LANGUAGES)
  list(APPEND PIPWRIGHT_TS_FILES ${PROJECT_SOURCE_DIR}/translations/pipwright_${language}.ts)
endforeach()

set(PIPWRIGHT_TRANSLATED_SOURCES)
foreach(dir game computer storage storage/table language ui ui/dialogs ui/table)
  file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.h)
  list(APPEND PIPWRIGHT_TRANSLATED_SOURCES ${found})
endforeach()
list(SORT PIPWRIGHT_TRANSLATED_SOURCES)

set(PIPWRIGHT_LUPDATE_OPTIONS -tr-function-alias translate+=Text -no-obsolete -locations none)
