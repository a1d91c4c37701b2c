# Warnings for our own code, sanitizers for everything when asked for

set(VELMORA_WARNING_FLAGS -Wall -Wextra -Wno-missing-field-initializers)

if(VELMORA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Applies the warning flags to a target of ours
function(velmora_target_warnings target)
    target_compile_options(${target} PRIVATE ${VELMORA_WARNING_FLAGS})
endfunction()
