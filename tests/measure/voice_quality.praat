# Voice quality of held notes: for each line "start end" (seconds) of a notes file, prints
# "start hnr jitter shimmer": the harmonics-to-noise ratio (dB, cross-correlation), local
# jitter and local shimmer (both in percent) of that stretch. Arguments: wave file, notes
# file, pitch floor and ceiling in Hz.
form Voice quality
    sentence file
    sentence notes
    positive floor 60
    positive ceiling 1000
endform
sound = Read from file: file$
table = Read Table from whitespace-separated file: notes$
rows = Get number of rows
for i to rows
    selectObject: table
    start = Get value: i, "start"
    end = Get value: i, "end"
    selectObject: sound
    part = Extract part: start, end, "rectangular", 1, "no"
    harmonicity = To Harmonicity (cc): 0.01, floor, 0.1, 1.0
    hnr = Get mean: 0, 0
    selectObject: part
    points = To PointProcess (periodic, cc): floor, ceiling
    jitter = Get jitter (local): 0, 0, 0.0001, 0.02, 1.3
    selectObject: part, points
    shimmer = Get shimmer (local): 0, 0, 0.0001, 0.02, 1.3, 1.6
    appendInfoLine: fixed$(start, 4), " ", fixed$(hnr, 2), " ", fixed$(jitter * 100, 3), " ", fixed$(shimmer * 100, 3)
    removeObject: part, harmonicity, points
endfor
