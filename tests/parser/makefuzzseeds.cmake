# cmake -DSIMULATE=<waylume-simulate> -DOUT=<folder> -P makefuzzseeds.cmake
# Small simulated recordings as the starting corpus of the fuzz smoke runs. The two
# arrangements that carry 64 KiB per record are left out to keep the runs quick.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/mp4 ${OUT}/avi)
foreach(kind GpsNone AmbarellaTrack GpsBoxTable Gps0Box SStarTrack GpsMetaTrack)
  execute_process(COMMAND ${SIMULATE} --kind ${kind} --records 3 ${OUT}/mp4/${kind}.mp4
                  RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "waylume-simulate failed for ${kind}")
  endif()
endforeach()
execute_process(COMMAND ${SIMULATE} --kind AviGpslBlock --records 3 ${OUT}/avi/AviGpslBlock.avi
                RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "waylume-simulate failed for AviGpslBlock")
endif()
