# Writes the AppStream metainfo from its template. AppStream takes a
# screenshot only from a web address, so it is named only where the build is
# given the address at which docs/screenshot.png is published.
# cmake -DTEMPLATE=IN -DOUTPUT=OUT -DZEROWIK_VERSION=1.00 [-DSCREENSHOT_URL=https://...] -P metainfo.cmake
set(SCREENSHOTS "")
if(SCREENSHOT_URL)
  string(CONCAT SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The function y = x² − 4 calculated and shown on the chart</caption>\n"
    "      <caption xml:lang=\"pl\">Funkcja y = x² − 4 obliczona i pokazana na wykresie</caption>\n"
    "      <image>${SCREENSHOT_URL}</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
