# The help documents: every document exists in each language folder, under the same name.
set(KESTO_HELP_LANGUAGES en_US zh_CN de_GE)
set(KESTO_HELP_DOCUMENT_NAMES
    FailSafe.html
    FailSafe_EnhancedFailedSafeMethods.html
    FailSafe_GoHomeSwitch.html
    History.html
    IOC.html
    IOC_IntelligentOrientationControl.html
    Motor.html
    Motor_MotorIdleSpeed.html
    Offline.html
    Recording.html
    Restrictions_ForbidArea.html
    Restrictions_HeightLimit.html
    Restrictions_RadiusLimit.html
    Voltage.html
    Voltage_Battery.html
    gh_heading.html
    info.html
    limits.html
)
# Every file of doc/, relative to it.
set(KESTO_HELP_FILES help.css)
foreach(language ${KESTO_HELP_LANGUAGES})
    foreach(name ${KESTO_HELP_DOCUMENT_NAMES})
        list(APPEND KESTO_HELP_FILES ${language}/${name})
    endforeach()
endforeach()
