# Prints the first two formants of a wave file between two times: one line per 10 ms
# frame, "time F1 F2" in seconds and Hz (Burg tracker). Arguments: file, formant ceiling
# in Hz (5000 for men, 5500 for women), start and end time in seconds.
form Formant track
    sentence file
    positive ceiling 5000
    real start 0
    real end 0
endform
sound = Read from file: file$
part = Extract part: start, end, "rectangular", 1, "no"
formant = To Formant (burg): 0.01, 5, ceiling, 0.025, 50
frames = Get number of frames
for i to frames
    t = Get time from frame number: i
    f1 = Get value at time: 1, t, "hertz", "linear"
    f2 = Get value at time: 2, t, "hertz", "linear"
    if f1 = undefined
        f1 = 0
    endif
    if f2 = undefined
        f2 = 0
    endif
    appendInfoLine: fixed$(t + start, 4), " ", fixed$(f1, 1), " ", fixed$(f2, 1)
endfor
