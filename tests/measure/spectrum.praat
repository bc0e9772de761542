# Spectral shape of stretches of a wave file: for each line "start end" (seconds) of a
# table, prints "start cog e0 e1 e2 e3 e4 e5 e6 e7": the centre of gravity (Hz) and the energy
# in dB of the bands 0-1, 1-2, 2-3, 3-4, 4-5, 5-6, 6-8 and 8-11 kHz. Arguments: wave file,
# table file.
form Spectrum
    sentence file
    sentence notes
endform
sound = Read from file: file$
table = Read Table from whitespace-separated file: notes$
rows = Get number of rows
for i to rows
    selectObject: table
    start = Get value: i, "start"
    end = Get value: i, "end"
    selectObject: sound
    part = Extract part: start, end, "Hanning", 1, "no"
    spectrum = To Spectrum: "yes"
    cog = Get centre of gravity: 2
    line$ = fixed$(start, 4) + " " + fixed$(cog, 0)
    for b to 8
        lo = (b - 1) * 1000
        hi = b * 1000
        if b = 7
            lo = 6000
            hi = 8000
        elsif b = 8
            lo = 8000
            hi = 11000
        endif
        energy = Get band energy: lo, hi
        if energy <= 0
            energy = 1e-20
        endif
        line$ = line$ + " " + fixed$(10 * log10(energy), 2)
    endfor
    appendInfoLine: line$
    removeObject: part, spectrum
endfor
