# Copies examples/pictures/map/*.bmp to <bin>/map and minimap_outworld.bmp to <bin>.
if(EXISTS ${SOURCE}/map)
    file(COPY ${SOURCE}/map DESTINATION ${TARGET})
endif()
if(EXISTS ${SOURCE}/minimap_outworld.bmp)
    file(COPY ${SOURCE}/minimap_outworld.bmp DESTINATION ${TARGET})
endif()
