# The pauses of a wave file: prints "start end" (seconds) of every stretch quieter than 35 dB
# below the loudest part for at least 30 ms. Arguments: wave file.
form Silences
    sentence file
endform
sound = Read from file: file$
grid = To TextGrid (silences): 60, 0, -35, 0.03, 0.02, "silent", "sounding"
n = Get number of intervals: 1
for i to n
    label$ = Get label of interval: 1, i
    if label$ = "silent"
        t0 = Get start time of interval: 1, i
        t1 = Get end time of interval: 1, i
        appendInfoLine: fixed$(t0, 4), " ", fixed$(t1, 4)
    endif
endfor
