# Prints the pitch track of a wave file: one line per 5 ms frame, "time f0" in seconds and
# Hz, with f0 0 where the frame is unvoiced. Arguments: file, floor Hz, ceiling Hz.
form Pitch track
    sentence file
    positive floor 60
    positive ceiling 1000
endform
sound = Read from file: file$
pitch = To Pitch (ac): 0.005, floor, 15, "no", 0.03, 0.45, 0.01, 0.35, 0.14, ceiling
frames = Get number of frames
for i to frames
    t = Get time from frame number: i
    f = Get value in frame: i, "Hertz"
    if f = undefined
        f = 0
    endif
    appendInfoLine: fixed$(t, 4), " ", fixed$(f, 3)
endfor
